#pragma once

#include <QDialog>

// QDialog
class TExtractForm : public QDialog {
    Q_OBJECT
public:
    explicit TExtractForm(QWidget* owner);
};
