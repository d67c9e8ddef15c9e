#include "game/GameTable.h"

#include "game/Scoring.h"

#include <algorithm>

namespace {

// Die i rests at (20, 100 + 50i, 55, 135 + 50i) when not held.
constexpr int DIE_LEFT = 20;
constexpr int DIE_RIGHT = 55;
constexpr int DIE_FIRST_TOP = 100;
constexpr int DIE_SIZE = 35;
constexpr int DIE_SPACING = 50;

constexpr CRect ROLL_RECT{20, 400, 70, 420};
constexpr CRect NAME_RECT{20, 50, 150, 70};

// Totals-list box k: (225, 100 + 25k, 275, 120 + 25k).
constexpr int TOTAL_LEFT = 225;
constexpr int TOTAL_RIGHT = 275;
constexpr int TOTAL_FIRST_TOP = 100;
constexpr int TOTAL_HEIGHT = 20;
constexpr int TOTAL_SPACING = 25;

} // namespace

CGameTable::CGameTable() : m_rectRoll(ROLL_RECT), m_rectName(NAME_RECT) {
    for (int i = 0; i < NUM_DICE; ++i) {
        const int top = DIE_FIRST_TOP + DIE_SPACING * i;
        m_dice[static_cast<std::size_t>(i)] = CDie(DIE_LEFT, top, DIE_RIGHT, top + DIE_SIZE);
    }
}

CGameTable::~CGameTable() = default;

void CGameTable::StartGame(int nPlayers, const std::array<std::string, MAX_PLAYERS>& names) {
    m_nPlayers = std::clamp(nPlayers, 1, MAX_PLAYERS);
    for (int i = 0; i < MAX_PLAYERS; ++i) {
        auto& sheet = m_pSheets[static_cast<std::size_t>(i)];
        sheet = i < m_nPlayers ? std::make_unique<CScoreSheet>() : nullptr;
    }
    m_strNames = names;
    m_nCurPlayer = 0;
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        const int top = TOTAL_FIRST_TOP + TOTAL_SPACING * k;
        m_totals[static_cast<std::size_t>(k)] =
            CScoreBox(m_strNames[static_cast<std::size_t>(k)], k, TOTAL_LEFT, top, TOTAL_RIGHT,
                      top + TOTAL_HEIGHT, false, SCORE_EMPTY);
    }
}

const CScoreSheet* CGameTable::GetSheet(int i) const {
    return SheetOf(i);
}

CScoreSheet* CGameTable::SheetOf(int i) const {
    if (i < 0 || i >= m_nPlayers) {
        return nullptr;
    }
    return m_pSheets[static_cast<std::size_t>(i)].get();
}

void CGameTable::OnRButtonDown(unsigned /*nFlags*/, CPoint /*point*/) {
    if (m_nRolls >= MAX_ROLLS) {
        return;
    }
    for (CDie& die : m_dice) {
        if (die.GetState() != DIE_HELD) {
            die.Roll();
        }
    }
    Invalidate();
    ++m_nRolls;
}

void CGameTable::OnLButtonDown(unsigned /*nFlags*/, CPoint point) {
    // The name box passes the turn; the roll counter and held dice go with it.
    if (m_rectName.PtInRect(point)) {
        NextPlayer();
        Invalidate();
    }

    for (CDie& die : m_dice) {
        if (!die.HitTest(point)) {
            continue;
        }
        if (die.GetState() == DIE_HELD) {
            die.Release();
            die.SetState(DIE_ROLLED);
        } else {
            die.Hold();
            die.SetState(DIE_HELD);
        }
        Invalidate();
    }

    // Before the players are known there is no sheet to score on.
    CScoreSheet* sheet = SheetOf(m_nCurPlayer);
    if (sheet == nullptr) {
        return;
    }
    // Scoring needs a roll this turn, except right after a repeated five of
    // a kind, when the same dice may be scored again without rolling.
    const bool continuation = sheet->LastWasFiveKind() && sheet->FiveKindRepeated();
    if (m_nRolls == 0 && !continuation) {
        return;
    }
    const int row = sheet->HitTest(point);
    if (row == -1) {
        return;
    }

    // Any click on a row ends the turn, whether or not the attempt scored.
    sheet->ScoreBox(row, m_dice);
    sheet->UpdateTotals();
    m_totals[static_cast<std::size_t>(m_nCurPlayer)].SetScore(sheet->GetGrandTotal());
    EndTurn();
    Invalidate();

    if (sheet->LastWasFiveKind() && sheet->FiveKindRepeated() && sheet->MustContinue(m_dice)) {
        return;
    }
    NextPlayer();
    Invalidate();
}

void CGameTable::EndTurn() {
    m_nRolls = 0;
    ResetFaceCounts();
    for (CDie& die : m_dice) {
        die.EndTurn();
    }
}

void CGameTable::NextPlayer() {
    if (m_nPlayers < 2 || m_nPlayers > MAX_PLAYERS) {
        return;
    }
    m_nCurPlayer = (m_nCurPlayer + 1) % m_nPlayers;
}
