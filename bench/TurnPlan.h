#pragma once

// Where the simulated players click: the same plan for the rules benchmark,
// which calls the table directly, and for the window benchmarks, which send
// mouse presses. A turn is three rolls with die 0 held after the first, then
// a click on the current player's first open scoring row.

#include "game/Geometry.h"

class CGameTable;

namespace bench {

// Scoring rows per sheet: one per round of a game.
inline constexpr int kRounds = 13;
inline constexpr int kRollsPerTurn = 3;
// Dice rolled per turn under the plan: five, then four twice.
inline constexpr int kDiceRolledPerTurn = 5 + 4 + 4;

// The middle of die i where it stands now.
CPoint DieAt(const CGameTable& table, int i);
// The middle of the current player's first open scoring row; the first
// scoring row when every one is filled.
CPoint OpenRow(const CGameTable& table);

} // namespace bench
