#include "media/legend_window.h"

#include "app/icons.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>

TLegendFrm::TLegendFrm(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      owner_(owner) {
    setObjectName(QStringLiteral("LegendFrm"));
    setWindowTitle(QStringLiteral("Icon Legend"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(167, 184);

    const char* texts[5] = {
        "ROM found on system and is good",
        "ROM not found",
        "ROM found but it is not working",
        "ROM found and is the best available",
        "ROM exists but is of unknown condition",
    };
    QLabel** imageSlots[5] = {&Image0, &Image1, &Image2, &Image3, &Image4};
    QLabel** labelSlots[5] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    const int rowHeight = 184 / 5;
    for (int row = 0; row < 5; ++row) {
        const int top = row * rowHeight + (rowHeight - 25) / 2;
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(row));
        image->setGeometry(6, top, 25, 25);
        image->setAlignment(Qt::AlignCenter);
        image->setAttribute(Qt::WA_TranslucentBackground);
        *imageSlots[row] = image;

        auto* label = new QLabel(QString::fromLatin1(texts[row]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(38, row * rowHeight, 167 - 38 - 4, rowHeight);
        *labelSlots[row] = label;
    }
}

void TLegendFrm::FormShow() {
    emit openChanged(true);
    // Taken afresh on every show, so the legend shows whatever icons the grid has now.
    const std::vector<QIcon> icons = statusIcons();
    const std::array<QLabel*, 5> boxes = images();
    for (size_t row = 0; row < boxes.size(); ++row) {
        const size_t code = static_cast<size_t>(kRowCodes[row]);
        boxes[row]->setPixmap(code < icons.size() ? icons[code].pixmap(16, 16) : QPixmap());
    }
}

void TLegendFrm::FormClose() { emit openChanged(false); }

void TLegendFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (owner_) {
            const QRect area = owner_->frameGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        FormShow();
    }
    QWidget::showEvent(event);
}

void TLegendFrm::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TLegendFrm::hideEvent(QHideEvent* event) {
    // Hidden by the button or by anything else: not open any more. A minimised owner hides it
    // only for the while, so that does not count.
    if (!event->spontaneous())
        emit openChanged(false);
    QWidget::hideEvent(event);
}
