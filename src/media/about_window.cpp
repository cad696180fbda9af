#include "media/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#ifndef ZARN_VERSION
#define ZARN_VERSION "unknown"
#endif

TAboutFrm::TAboutFrm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      owner_(owner) {
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(QStringLiteral("About Z.A.R.N."));
    setModal(true);
    setFixedSize(267, 142);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 220, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPointSize(8);
    setFont(small);

    Label1 = new QLabel(QStringLiteral("Z.A.R.N. - Quelt M.A.M.E. Frontend"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = small;
    title.setPointSize(10);
    title.setBold(true);
    Label1->setFont(title);
    Label1->move(8, 8);
    Label1->adjustSize();

    Label2 = new QLabel(QStringLiteral("Version " ZARN_VERSION "\n"
                                       "Released 11 December 2026\n"
                                       "Made for MAME 0.87"),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->adjustSize();
    Label2->move(8, height() - 8 - Label2->height());

    BitBtn1 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->resize(75, 25);
    BitBtn1->move(width() - 8 - BitBtn1->width(), height() - 8 - BitBtn1->height());
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutFrm::reject() {}

void TAboutFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && owner_) {
        const QRect area = owner_->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
