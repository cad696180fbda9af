#include "emulator/options_dialog.h"

TMAMEOpts::TMAMEOpts(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("The MAME options dialog (modal)."));
    setWindowTitle(QStringLiteral("MAME Options"));
}

void TMAMEOpts::LoadOptions() {
    // The option controls arrive with the options dialog's work; nothing to read into yet.
}
