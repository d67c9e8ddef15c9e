#pragma once

// CWinApp: the one application object. The program defines it as a global,
// so it exists before the entry point runs; its constructor touches no Qt.
// The layer's entry point (Main.cpp) creates the Qt application, calls
// InitInstance(), then runs the message loop until the main window is
// destroyed.

#include "platform/Types.h"

class CWnd;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Start-up, once the Qt application exists. FALSE ends the program
    // without running the message loop.
    virtual BOOL InitInstance() { return TRUE; }
    // Runs the message loop until the main window is destroyed; returns the
    // exit code. Returns at once when there is no main window.
    int Run();

    // Names the program to the desktop, which finds its menu entry and icon
    // by this name (the installed desktop file's, without ".desktop").
    void SetAppID(const char* pszAppID);

    // The main window: destroying it ends the message loop.
    CWnd* m_pMainWnd = nullptr;

private:
    friend CWinApp* AfxGetApp();
    // The one application object; set by its constructor, before main runs.
    static inline CWinApp* s_pApp = nullptr;
};

// The application object, or null when the program defines none.
CWinApp* AfxGetApp();
// The application's main window, or null.
CWnd* AfxGetMainWnd();
// Ends the running message loop with the given exit code; nothing when no
// loop runs.
void AfxPostQuitMessage(int nExitCode);
