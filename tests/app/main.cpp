// The window tests run inside the program's own application object, so an error that leaves
// an event handler reaches the same display as in the program.
#include <gtest/gtest.h>

#include "app/tolvek/anwendung.h"
#include "tests/app/testumgebung.h"
#include "text/zahlen.h"

int main(int argc, char** argv) {
    // Headless unless the caller chose a platform (test discovery runs without ctest's
    // environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    // The layout turns "." into "," before converting, as on the desktops it was made for.
    tolvek::setdecimalseparator(',');
    tolvek::Anwendung anwendung(argc, argv, testumgebung());
    return RUN_ALL_TESTS();
}
