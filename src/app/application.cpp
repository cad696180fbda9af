#include "app/application.h"

#include "app/dialogs.h"

#include <exception>

ZarnApplication::ZarnApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZarnApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // The handler may have set a busy cursor it will never restore.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        Dialogs::showMessage(QApplication::activeWindow(), QString::fromUtf8(e.what()));
    }
}
