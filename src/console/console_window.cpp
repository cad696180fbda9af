#include "console/console_window.h"

#include "table/cell_text.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

TConsoleFrm::TConsoleFrm(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      owner_(owner) {
    setObjectName(QStringLiteral("ConsoleFrm"));
    setWindowTitle(QStringLiteral("Z.A.R.N. Console"));
    resize(424, 186);

    Console = new QPlainTextEdit(this);
    Console->setObjectName(QStringLiteral("Console"));
    Console->setReadOnly(true);
    Console->setLineWrapMode(QPlainTextEdit::NoWrap);
    Console->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Console->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Console->setUndoRedoEnabled(false);
    QPalette pal = Console->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
    Console->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Console);

    PopupMenu1 = new QMenu(this);
    Copy1 = PopupMenu1->addAction(QStringLiteral("&Copy"), this, &TConsoleFrm::Copy1Click);
    SelectAll = PopupMenu1->addAction(QStringLiteral("Select &All"), this, &TConsoleFrm::SelectAllClick);
    Clear1 = PopupMenu1->addAction(QStringLiteral("Clear"), this, &TConsoleFrm::Clear1Click);
    // Our menu replaces the text box's own, so "Clear" is at hand over the text.
    Console->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Console, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->exec(Console->mapToGlobal(pos)); });
}

void TConsoleFrm::appendLine(const std::string& line) { appendLines({line}); }

void TConsoleFrm::appendLines(const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    QString block;
    for (const std::string& line : lines) {
        if (lineCount_++ > 0)
            block += QChar::ParagraphSeparator;
        // A line holds no breaks of its own: line feeds inside it would start new lines.
        QString text = cellToDisplay(line);
        text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        block += text;
    }
    QScrollBar* bar = Console->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(Console->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(block);
    if (atEnd)
        bar->setValue(bar->maximum());
}

QStringList TConsoleFrm::lines() const {
    if (lineCount_ == 0)
        return {};
    return Console->toPlainText().split(QLatin1Char('\n'));
}

void TConsoleFrm::Copy1Click() { Console->copy(); }
void TConsoleFrm::SelectAllClick() { Console->selectAll(); }
void TConsoleFrm::Clear1Click() {
    Console->clear();
    lineCount_ = 0;
}

void TConsoleFrm::centreOverOwner() {
    if (!owner_)
        return;
    const QRect area = owner_->frameGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TConsoleFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        centreOverOwner();
    QWidget::showEvent(event);
    emit shown();
}

void TConsoleFrm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit hidden();
}
