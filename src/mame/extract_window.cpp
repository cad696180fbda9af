#include "mame/extract_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TExtractForm::TExtractForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("ExtractForm"));
    setWindowTitle(QStringLiteral("ZARN - Refreshing Gamelist Info"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Please wait..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    ExLbl = new QLabel(QStringLiteral("1. Extracting Game Info  (55 second timeout) in"), this);
    ExLbl->setObjectName(QStringLiteral("ExLbl"));
    tmpLbl = new QLabel(this);
    tmpLbl->setObjectName(QStringLiteral("tmpLbl"));
    QFont small = tmpLbl->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    tmpLbl->setFont(small);
    tmpLbl->setTextFormat(Qt::PlainText);
    ParLbl = new QLabel(QStringLiteral("2. Parsing Game Info"), this);
    ParLbl->setObjectName(QStringLiteral("ParLbl"));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setVisible(false);

    layout->addWidget(Label1);
    layout->addWidget(ExLbl);
    layout->addWidget(tmpLbl);
    layout->addWidget(ParLbl);
    layout->addStretch(1);
    layout->addWidget(ProgressBar);
    setFixedSize(360, 150);
}

void TExtractForm::setStepBold(QLabel* running) {
    for (QLabel* label : {ExLbl, ParLbl}) {
        QFont font = label->font();
        font.setBold(label == running);
        label->setFont(font);
    }
}

void TExtractForm::showCentred() {
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    show();
}
