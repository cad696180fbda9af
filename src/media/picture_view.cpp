#include "media/picture_view.h"

#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(50, 50);
}

void PictureView::setImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureView::clear() { setImage({}); }

void PictureView::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    if (image_.isNull())
        return;
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image_);
}
