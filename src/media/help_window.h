#pragma once

#include <QWidget>

// QWidget
class THelpFrm : public QWidget {
    Q_OBJECT
public:
    explicit THelpFrm(QWidget* owner);
};
