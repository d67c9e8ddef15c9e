#include "ui/GameFrame.h"

#include "ui/GameAccessible.h"
#include "ui/Look.h"
#include "ui/PlayerEntryDlg.h"

BEGIN_MESSAGE_MAP(CGameFrame, CFrameWnd)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_PAINT()
END_MESSAGE_MAP()

// The table's constructor has already placed the dice at home with fresh
// faces and set up the roll and name boxes; the window comes next, then the
// players.
CGameFrame::CGameFrame() {
    WNDCLASS wndClass;
    wndClass.style = CS_HREDRAW | CS_DBLCLKS;
    wndClass.cursor = IDC_ARROW;
    wndClass.background = kBackground;
    wndClass.icon = IDI_APPLICATION;
    Create(wndClass, kTitle, kOuterRect);

    CPlayerEntryDlg dlg(this);
    dlg.DoModal();
    StartGame(dlg.GetPlayerCount(),
              {dlg.m_strName1, dlg.m_strName2, dlg.m_strName3, dlg.m_strName4});
    // The players are known: no repaint yet (the window is hidden), but a
    // listening screen reader takes note of what the window now shows.
    GameStateChanged(*this);
}

// The score sheets go first, before the rest of the table.
CGameFrame::~CGameFrame() {
    for (auto& pSheet : m_pSheets) {
        pSheet.reset();
    }
}

void CGameFrame::Invalidate() {
    CFrameWnd::Invalidate(TRUE);
    GameStateChanged(*this);
}

void CGameFrame::OnLButtonDown(UINT /*nFlags*/, POINT point) {
    Click(CPoint{point.x, point.y});
}

// Anywhere in the window rolls.
void CGameFrame::OnRButtonDown(UINT /*nFlags*/, POINT /*point*/) {
    Roll();
}
