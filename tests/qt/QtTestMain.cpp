// Entry point of the Qt tests: one QApplication for the whole run, then
// every GoogleTest case. The platform is offscreen unless QT_QPA_PLATFORM
// names another one, so the same tests can run inside a real compositor.

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt 6.4's Wayland client can deadlock while it takes down its display
    // connection: the display waits for its reader thread, which waits for a
    // read that never comes. The run on Wayland checks the windows, not
    // Qt's teardown (its leaks are checked on the offscreen platform), so it
    // ends here with the tests' result.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
