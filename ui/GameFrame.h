#pragma once

// CGameFrame: the main window. It holds the game table, asks for the players
// while it is being built, routes mouse presses to the table and paints the
// table whenever it changes. Created with new; it deletes itself when its
// window is closed.

#include "game/GameTable.h"
#include "platform/Wnd.h"

class CGameFrame : public CFrameWnd, public CGameTable {
public:
    // Creates the window hidden, runs the player-entry dialog with this
    // window as owner, then sets up one score sheet per player.
    CGameFrame();
    ~CGameFrame() override;

protected:
    // The game table's repaint request, made on every change of the game:
    // repaints the whole client area, background included, and tells a
    // listening screen reader what changed.
    void Invalidate() override;

    void OnPaint();
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnRButtonDown(UINT nFlags, POINT point);

    DECLARE_MESSAGE_MAP()
};
