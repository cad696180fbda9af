#pragma once

#include <QApplication>

#include <functional>

// Catches an error that escapes any event handler, shows its text in a message box and lets the
// program go on with the next event: the one place that does this for every handler.
class ZarnApplication : public QApplication {
public:
    ZarnApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs a handler the same way notify() does: an error ends it and its text is shown. Used where a
// handler is called directly (tests, nested calls that must not end their caller).
void runHandler(const std::function<void()>& handler);
