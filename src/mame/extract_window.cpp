#include "mame/extract_window.h"

TExtractForm::TExtractForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Progress window of the game list refresh."));
    setWindowTitle(QStringLiteral("Z.A.R.N. - Reading game info"));
}
