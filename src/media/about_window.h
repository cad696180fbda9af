#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: modal, on top, and ended only by its "Close" button.
class TAboutFrm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutFrm(QWidget* owner);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;

public slots:
    // Esc and the window manager's close request end a dialog through here; this one ignores them.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* owner_;
};
