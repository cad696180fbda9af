#include "media/help_window.h"

THelpFrm::THelpFrm(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("The getting-started text (modeless)."));
    setWindowTitle(QStringLiteral("Getting Started"));
}
