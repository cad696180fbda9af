#pragma once

#include <QDialog>

// QDialog
class TAboutFrm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutFrm(QWidget* owner);
};
