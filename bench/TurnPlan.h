#pragma once

// Where the simulated players click: the same plan for the rules benchmark,
// which calls the table directly, and for the window benchmarks, which send
// mouse presses. A turn is three rolls with die 0 held after the first, then
// a click on the current player's first open scoring row.

#include "game/Categories.h"
#include "game/GameTable.h"
#include "tests/support/Table.h"

namespace bench {

// Scoring rows per sheet: one per round of a game.
inline constexpr int kRounds = 13;
inline constexpr int kRollsPerTurn = 3;
// Dice rolled per turn under the plan: five, then four twice.
inline constexpr int kDiceRolledPerTurn = 5 + 4 + 4;

// The middle of die i where it stands now.
inline CPoint DieAt(const CGameTable& table, int i) {
    return support::Centre(table.GetDie(i).GetRect());
}

// The middle of the current player's first open scoring row; the first
// scoring row when every one is filled.
inline CPoint OpenRow(const CGameTable& table) {
    const CScoreSheet* sheet = table.GetSheet(table.GetCurPlayer());
    if (sheet == nullptr) {
        return CPoint{};
    }
    for (int id = 0; id < NUM_CATEGORIES; ++id) {
        if (!IsComputedRow(id) && !sheet->GetBox(id).IsFilled()) {
            return support::Centre(sheet->GetBox(id).GetRect());
        }
    }
    return support::Centre(sheet->GetBox(CAT_ONES).GetRect());
}

} // namespace bench
