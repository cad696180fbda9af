#include "windows/window_fixture.h"

#include "app/application.h"

WindowTest::WindowTest() : ctx(zarn::test::contextIn(dir)) {
    Dialogs::reset();
    w = createAppWindows(ctx);
    form = w.Form1;
}

WindowTest::~WindowTest() {
    delete w.Form1;
    Dialogs::reset();
}

void WindowTest::startUp() { run([this] { form->FormShow(); }); }

void WindowTest::run(const std::function<void()>& handler) { runHandler(handler); }
