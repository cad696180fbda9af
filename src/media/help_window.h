#pragma once

#include <QWidget>

class QPlainTextEdit;

// The getting-started text. Non-modal; the text can be edited while it is open, but nothing is
// ever stored.
class THelpFrm : public QWidget {
    Q_OBJECT
public:
    explicit THelpFrm(QWidget* owner);

    QPlainTextEdit* HelpMemo;
};
