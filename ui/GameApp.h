#pragma once

// The application object and the one long-lived drawing object of the game.

#include "platform/App.h"
#include "platform/Gdi.h"

class CGameApp : public CWinApp {
public:
    // Creates the main window (which asks for the players), shows it and
    // has it painted at once.
    BOOL InitInstance() override;
};

extern CGameApp theApp;

// The fill of every score box, on the sheet and in the totals list alike.
extern CBrush g_brushBox;
