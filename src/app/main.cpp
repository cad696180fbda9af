#include "app/app_windows.h"
#include "app/application.h"
#include "app/dialogs.h"
#include "app/main_window.h"

#include <exception>

int main(int argc, char** argv) {
    ZarnApplication app(argc, argv);
    try {
        AppWindows windows = createAppWindows(zarn::AppContext::fromApplication());
        windows.Form1->show();
        const int code = app.exec();
        delete windows.Form1;
        return code;
    } catch (const std::exception& e) {
        Dialogs::showMessage(nullptr, QString::fromUtf8(e.what()));
        return 1;
    }
}
