#pragma once

// The application object.

#include "platform/App.h"

class CGameApp : public CWinApp {
public:
    // Lets screen readers read the main window, creates it (it asks for the
    // players), shows it and has it painted at once.
    BOOL InitInstance() override;
};

extern CGameApp theApp;
