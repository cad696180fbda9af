#pragma once

#include "app/app_windows.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "logic/test_support.h"

#include <gtest/gtest.h>

#include <string>

// Builds the program's nine windows over a fresh program and temporary folder per test.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // Runs the start-up sequence the way the event loop does (errors become message boxes).
    void startUp();
    // Runs a handler the way an event does: an error ends it and shows its text.
    void run(const std::function<void()>& handler);
    // Messages and questions seen since the test began.
    QStringList shownTexts() const { return Dialogs::shownTexts(); }

    std::string programFile(const std::string& name) const { return ctx.programDir + name; }

    zarn::test::TempDir dir;
    zarn::AppContext ctx;
    AppWindows w;
    TForm1* form = nullptr;
};
