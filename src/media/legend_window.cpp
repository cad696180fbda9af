#include "media/legend_window.h"

TLegendFrm::TLegendFrm(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("The icon legend (modeless)."));
    setWindowTitle(QStringLiteral("Icon Legend"));
}
