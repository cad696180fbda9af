#include "app/application.h"
#include "app/dialogs.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ZarnApplication app(argc, argv);
    // No test ever waits for a modal box: questions take queued answers, messages are recorded.
    Dialogs::setAutomatic(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
