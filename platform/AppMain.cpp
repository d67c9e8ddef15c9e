// The program's entry point: the Qt application, then the application
// object's start-up and message loop.

#include "platform/App.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The program takes no command line: only its own name reaches Qt, so
    // no argument can change how it runs.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // The loop ends with the main window, not with the last window closed:
    // a dialog may close before the main window is first shown.
    QApplication::setQuitOnLastWindowClosed(false);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->InitInstance()) {
        return 0;
    }
    return pApp->Run();
}
