#pragma once

// The application object.

#include "platform/App.h"

class CGameApp : public CWinApp {
public:
    // Creates the main window (which asks for the players), shows it and
    // has it painted at once.
    BOOL InitInstance() override;
};

extern CGameApp theApp;
