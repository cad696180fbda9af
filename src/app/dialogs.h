#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The one seam for modal boxes. In normal use each call shows a real box. Tests switch to
// automatic mode: questions take the queued answers (Yes when none is queued) and messages are
// recorded instead of shown, so no test ever waits for a modal box.
namespace Dialogs {

// A Yes/No question; only No returns false (Esc answers No).
bool askYesNo(QWidget* parent, const QString& text);
void showMessage(QWidget* parent, const QString& text);
// A save-file dialog; returns the chosen path and filter, or an empty path when cancelled.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& filters,
                        QString* selectedFilter);

// Test support.
void setAutomatic(bool automatic);
bool isAutomatic();
void queueAnswer(bool yes);
void queueSaveFileName(const QString& path, const QString& filter);
// Every question and message seen in automatic mode, oldest first.
QStringList& shownTexts();
void reset();

} // namespace Dialogs
