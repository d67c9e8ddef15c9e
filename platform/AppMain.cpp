// The program's entry point: the Qt application, then the application
// object's start-up and message loop.

#include "platform/App.h"
#include "platform/FontWarmup.h"
#include "platform/Gdi.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <filesystem>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // The few threads beside the main one (Qt's display reader, the font
    // warm-up) allocate little and seldom. One heap for all of them saves a
    // separate arena with its own part-used pages for each.
    mallopt(M_ARENA_MAX, 1);
#endif
    // The program takes no command line: only its own name reaches Qt, so
    // no argument can change how it runs.
    int qtArgc = argc > 0 ? 1 : 0;
    // The font configuration is read while the display is tried and Qt
    // connects to it.
    CFontWarmup fontWarmup;
    // Qt aborts where it can open no display; this says which could not be
    // opened and ends the way any failed start does.
    CDisplayProbe display;
    if (!display.Failure().empty()) {
        const std::string name = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "";
        std::fprintf(stderr, "%s%s%s\n", name.c_str(), name.empty() ? "" : ": ",
                     display.Failure().c_str());
        return 1;
    }
    QApplication app(qtArgc, argv);
    display.Release();
    // Before any font is looked up, which would otherwise read it again.
    fontWarmup.Wait();
    // The loop ends with the main window, not with the last window closed:
    // a dialog may close before the main window is first shown.
    QApplication::setQuitOnLastWindowClosed(false);
    CWindowSystemWatch watch;
    // Text without a font of its own is in the system font, as in any window
    // of this layer. Qt would otherwise load its own default face just to lay
    // out the empty text of each new edit field, before the field takes its
    // dialog's font, and keep it for good.
    if (const auto* pSystem = dynamic_cast<const CFont*>(GetStockObject(SYSTEM_FONT))) {
        QApplication::setFont(pSystem->ToQFont());
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->InitInstance()) {
        return 0;
    }
    return pApp->Run();
}
