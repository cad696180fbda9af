#pragma once

#include <QWidget>

// QWidget
class TLegendFrm : public QWidget {
    Q_OBJECT
public:
    explicit TLegendFrm(QWidget* owner);
};
