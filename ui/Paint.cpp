// The picture of the main window. Every change of the game repaints the
// whole client area, so each paint draws everything from the current state:
// the title band, the dice, the current player's sheet, the roll counter and
// name in their boxes, and every named player's total. The frame paints the
// title band, the roll counter, the two box outlines and the name through
// its paint context; each die and each score box draws itself through a
// window context of its own.

#include "game/Die.h"
#include "game/ScoreBox.h"
#include "game/ScoreSheet.h"
#include "platform/App.h"
#include "platform/Dc.h"
#include "ui/GameFrame.h"
#include "ui/Look.h"

#include <string>

namespace {

CBrush g_brushBox(kBoxFill);

void DrawRectangle(CDC& dc, const CRect& r) {
    dc.Rectangle(r.left, r.top, r.right, r.bottom);
}

} // namespace

void CGameFrame::OnPaint() {
    CPaintDC dc(this);
    CFont titleFont;
    titleFont.CreatePointFont(kTitleFontSize, kSerifFace);

    dc.SetTextColor(kBlue);
    dc.SetBkColor(kTitleBandGreen);
    dc.SelectObject(&titleFont);
    dc.TextOut(kTitleAt.x, kTitleAt.y, TitleBand());
    dc.SelectStockObject(SYSTEM_FONT);

    for (int i = 0; i < NUM_DICE; ++i) {
        GetDie(i).Draw();
    }
    if (const CScoreSheet* pSheet = GetSheet(GetCurPlayer())) {
        pSheet->Draw();
    }

    dc.SetBkMode(TRANSPARENT);
    const CRect& roll = GetRollRect();
    const CRect& name = GetNameRect();
    dc.TextOut(roll.left + kBoxTextOffset.x, roll.top + kBoxTextOffset.y, RollText(GetRolls()));
    dc.SelectStockObject(HOLLOW_BRUSH);
    DrawRectangle(dc, roll);
    DrawRectangle(dc, name);
    dc.TextOut(name.left + kBoxTextOffset.x, name.top + kBoxTextOffset.y, GetName(GetCurPlayer()));

    // A total for every name, whatever the number of sheets.
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        if (!GetName(k).empty()) {
            GetTotal(k).Draw();
        }
    }
    titleFont.DeleteObject();
}

void CDie::Draw() const {
    CFont font;
    {
        CClientDC dc(AfxGetMainWnd());
        dc.SelectStockObject(HOLLOW_BRUSH);
        font.CreatePointFont(kDieFontSize, kSerifFace);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        DrawRectangle(dc, m_rect);
        dc.TextOut(m_rect.left + kDieFaceOffset.x, m_rect.top + kDieFaceOffset.y,
                   std::to_string(m_nValue));
    }
    font.DeleteObject();
}

void CScoreBox::Draw() const {
    CClientDC dc(AfxGetMainWnd());
    dc.SelectObject(&g_brushBox);
    DrawRectangle(dc, m_rect);
    dc.SetBkMode(TRANSPARENT);
    if (m_nScore != SCORE_EMPTY) {
        dc.TextOut(m_rect.left + kBoxTextOffset.x, m_rect.top + kBoxTextOffset.y,
                   std::to_string(m_nScore));
    }
    dc.TextOut(m_rect.right + kBoxTextOffset.x, m_rect.top + kBoxTextOffset.y, m_strLabel);
}

void CScoreSheet::Draw() const {
    for (const CScoreBox& box : m_boxes) {
        box.Draw();
    }
}
