#include "media/about_window.h"

TAboutFrm::TAboutFrm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("The about box (modal)."));
    setWindowTitle(QStringLiteral("About Z.A.R.N."));
}
