#pragma once

#include <QDialog>

// QDialog
class TVerForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerForm(QWidget* owner);
};
