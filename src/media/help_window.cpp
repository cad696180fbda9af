#include "media/help_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// The text the window holds when the program starts, one entry per line.
QStringList startupLines() {
    // The menu names are written as they were first worded, and "&&" stands as two characters.
    return {
        QStringLiteral("Quick startup info for the impatient:"),
        QStringLiteral("------------------------------------"),
        QStringLiteral("1. Go to menu \"Settings->Edit ZARN Paths\" and fill in MAME's (executable) path"),
        QStringLiteral("2. Run \"Game Data->Read Gamelist from mame\" to read mame's supported"),
        QStringLiteral("   games."),
        QString(),
        QStringLiteral("optionally:"),
        QString(),
        QStringLiteral("*  Select \"ROMs->ROM Availability\" (fast) or"),
        QStringLiteral("   \"ROMs->ROM Availability && Verification\" (accurate but slow) to see"),
        QStringLiteral("   which roms are available at your system"),
        QString(),
        QStringLiteral("*  If for example mame.exe is in the directory \"mamedir\" and roms are not"),
        QStringLiteral("   inside \"mamedir/roms\""),
        QStringLiteral("   you must select the roms directory in menu \"Settings->Edit MAME Options\""),
        QString(),
        QStringLiteral(" "),
    };
}

} // namespace

THelpFrm::THelpFrm(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(QStringLiteral("Getting Started"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    resize(435, 230);
    setMinimumWidth(435);

    HelpMemo = new QPlainTextEdit(this);
    HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    HelpMemo->setFrameShape(QFrame::NoFrame);
    HelpMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette pal = HelpMemo->palette();
    pal.setColor(QPalette::Base, QColor(192, 220, 192));
    pal.setColor(QPalette::Text, Qt::black);
    HelpMemo->setPalette(pal);
    HelpMemo->setPlainText(startupLines().join(QLatin1Char('\n')));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(HelpMemo);
}
