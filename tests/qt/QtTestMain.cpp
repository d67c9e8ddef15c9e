// Entry point of the Qt tests: one QApplication for the whole run, then
// every GoogleTest case. The platform is offscreen unless QT_QPA_PLATFORM
// names another one, so the same tests can run inside a real compositor.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
