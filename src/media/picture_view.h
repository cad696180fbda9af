#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

// The picture view: a picture fitted with its proportions kept and centred on a background colour,
// with an optional child (the file-name label) kept at its lower-left corner.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void clear();
    const QImage& image() const { return image_; }
    // Decodes a picture file (JPEG, PNG, GIF, BMP, ICO) and shows it. A file that cannot be read
    // or decoded leaves the view empty; false then.
    bool loadFile(const QString& path);
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

    // Keeps corner at the lower-left corner; call placeCorner() after its size changed.
    void setCornerWidget(QWidget* corner);
    void placeCorner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
    QColor background_ = Qt::black;
    QPointer<QWidget> corner_;
};
