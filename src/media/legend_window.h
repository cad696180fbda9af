#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The icon legend: what each status icon of the grid's first column means. Non-modal.
class TLegendFrm : public QWidget {
    Q_OBJECT
public:
    explicit TLegendFrm(QWidget* owner);

    // The status code shown in each row, top to bottom.
    static constexpr std::array<int, 5> kRowCodes{0, 4, 1, 3, 6};

    // Show and close events (names as documented).
    void FormShow();
    void FormClose();

    QLabel* Image0;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;

signals:
    // Open or not, however it happened: the tool-bar button follows this.
    void openChanged(bool open);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, 5> images() const { return {Image0, Image1, Image2, Image3, Image4}; }
    QWidget* owner_;
};
