#include "game/GameTable.h"

#include "game/Scoring.h"

#include <algorithm>

namespace {

// Die i rests at (20, 100 + 50i, 55, 135 + 50i) when not held.
constexpr int kDieLeft = 20;
constexpr int kDieRight = 55;
constexpr int kDieFirstTop = 100;
constexpr int kDieSize = 35;
constexpr int kDieSpacing = 50;

constexpr CRect kRollRect{20, 400, 70, 420};
constexpr CRect kNameRect{20, 50, 150, 70};

// Totals-list box k: (225, 100 + 25k, 275, 120 + 25k).
constexpr int kTotalLeft = 225;
constexpr int kTotalRight = 275;
constexpr int kTotalFirstTop = 100;
constexpr int kTotalHeight = 20;
constexpr int kTotalSpacing = 25;

} // namespace

CGameTable::CGameTable() : m_rectRoll(kRollRect), m_rectName(kNameRect) {
    for (int i = 0; i < NUM_DICE; ++i) {
        const int top = kDieFirstTop + kDieSpacing * i;
        m_dice[static_cast<std::size_t>(i)] = CDie(kDieLeft, top, kDieRight, top + kDieSize);
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
        const int top = kTotalFirstTop + kTotalSpacing * k;
        m_totals[static_cast<std::size_t>(k)] =
            CScoreBox(m_strNames[static_cast<std::size_t>(k)], k, kTotalLeft, top, kTotalRight,
                      top + kTotalHeight, false, SCORE_EMPTY);
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

void CGameTable::Roll() {
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

// The name box, the dice and the sheet are tried in that order. They do not
// overlap, but the name box does not end the click: the sheet checked after
// it is the next player's.
void CGameTable::Click(CPoint point) {
    if (m_rectName.PtInRect(point)) {
        NextPlayer();
        Invalidate();
    }
    ToggleDiceAt(point);
    ScoreRowAt(point);
}

void CGameTable::ToggleDiceAt(CPoint point) {
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
}

void CGameTable::ScoreRowAt(CPoint point) {
    // Before the players are known there is no sheet to score on.
    CScoreSheet* sheet = SheetOf(m_nCurPlayer);
    if (sheet == nullptr) {
        return;
    }
    if (m_nRolls == 0 && !sheet->InContinuation()) {
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

    if (sheet->InContinuation() && sheet->MustContinue(m_dice)) {
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
