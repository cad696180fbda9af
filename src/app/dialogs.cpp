#include "app/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include <deque>
#include <utility>

namespace Dialogs {

namespace {
struct State {
    bool automatic = false;
    std::deque<bool> answers;
    std::deque<std::pair<QString, QString>> fileNames;
    QStringList texts;
};
State& state() {
    static State s;
    return s;
}
const QString kTitle = QStringLiteral("Z.A.R.N.");
} // namespace

bool askYesNo(QWidget* parent, const QString& text) {
    if (state().automatic) {
        state().texts << text;
        if (state().answers.empty())
            return true;
        const bool yes = state().answers.front();
        state().answers.pop_front();
        return yes;
    }
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() != QMessageBox::No;
}

void showMessage(QWidget* parent, const QString& text) {
    if (state().automatic) {
        state().texts << text;
        return;
    }
    QMessageBox::information(parent, kTitle, text);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& filters,
                        QString* selectedFilter) {
    if (state().automatic) {
        state().texts << caption;
        if (state().fileNames.empty())
            return {};
        auto [path, filter] = state().fileNames.front();
        state().fileNames.pop_front();
        if (selectedFilter)
            *selectedFilter = filter;
        return path;
    }
    return QFileDialog::getSaveFileName(parent, caption, QString(), filters, selectedFilter);
}

void setAutomatic(bool automatic) { state().automatic = automatic; }
bool isAutomatic() { return state().automatic; }
void queueAnswer(bool yes) { state().answers.push_back(yes); }
void queueSaveFileName(const QString& path, const QString& filter) {
    state().fileNames.emplace_back(path, filter);
}
QStringList& shownTexts() { return state().texts; }
void reset() {
    const bool automatic = state().automatic;
    state() = State();
    state().automatic = automatic;
}

} // namespace Dialogs
