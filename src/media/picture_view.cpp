#include "media/picture_view.h"

#include <QImageReader>
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

bool PictureView::loadFile(const QString& path) {
    // The reader picks the decoder by the file's extension and falls back to the file's content.
    // Broken or absurdly large pictures come back as a null image (the reader's allocation limit
    // guards against the latter), never as a crash.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    setImage(image);
    return !image.isNull();
}

void PictureView::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void PictureView::setCornerWidget(QWidget* corner) {
    corner_ = corner;
    placeCorner();
}

void PictureView::placeCorner() {
    if (corner_)
        corner_->move(0, height() - corner_->height());
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCorner();
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
