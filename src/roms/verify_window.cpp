#include "roms/verify_window.h"

TVerForm::TVerForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Progress window of the ROM verification."));
    setWindowTitle(QStringLiteral("ZARN - ROM Verify"));
}
