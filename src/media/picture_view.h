#pragma once

#include <QImage>
#include <QWidget>

// The picture view: a picture fitted with its proportions kept and centred on a background colour.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void clear();
    const QImage& image() const { return image_; }
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QColor background_ = Qt::black;
};
