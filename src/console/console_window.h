#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;

// The message console: an append-only list of lines, always on top, read-only, no wrapping.
class TConsoleFrm : public QWidget {
    Q_OBJECT
public:
    explicit TConsoleFrm(QWidget* owner);

    void appendLine(const std::string& line);
    // Adds the lines in one edit, so a large block costs one layout, not one per line.
    void appendLines(const std::vector<std::string>& lines);
    // All lines, oldest first.
    QStringList lines() const;

    void Copy1Click();
    void SelectAllClick();
    void Clear1Click();

    QPlainTextEdit* Console;
    QMenu* PopupMenu1;
    QAction* Copy1;
    QAction* SelectAll;
    QAction* Clear1;

signals:
    void shown();
    void hidden();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void centreOverOwner();
    QWidget* owner_;
    int lineCount_ = 0; // the document cannot tell one empty line from none
};
