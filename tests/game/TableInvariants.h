#pragma once

// The invariants of a game table that hold after every event, whatever the
// event was. The random-game test and the fuzz target both check them, so a
// failure found by one can be replayed and understood with the other.
// Standard C++ only: the fuzz target has no test framework.

#include "game/Categories.h"
#include "game/GameTable.h"
#include "game/Scoring.h"

#include <array>
#include <string>

namespace table_invariants {

// What the sheets held before an event: a filled row must stay filled and,
// unless it is computed, keep its score.
struct Snapshot {
    std::array<std::array<bool, NUM_CATEGORIES>, MAX_PLAYERS> filled{};
    std::array<std::array<int, NUM_CATEGORIES>, MAX_PLAYERS> score{};
};

inline Snapshot Take(const CGameTable& table) {
    Snapshot s;
    for (int p = 0; p < table.GetPlayers(); ++p) {
        for (int i = 0; i < NUM_CATEGORIES; ++i) {
            const CScoreBox& box = table.GetSheet(p)->GetBox(i);
            s.filled[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = box.IsFilled();
            s.score[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = box.GetScore();
        }
    }
    return s;
}

inline int AsCounted(int score) {
    return score == SCORE_EMPTY ? 0 : score;
}

// Whether a left click at the point is a scoring click, decided from the
// state before it: rows overlap neither the name box nor any die, so the
// earlier steps of a click cannot change the answer.
inline bool ClickScores(const CGameTable& table, CPoint point) {
    const CScoreSheet* sheet = table.GetSheet(table.GetCurPlayer());
    if (sheet == nullptr) {
        return false;
    }
    const bool gateOpen = table.GetRolls() > 0 || sheet->InContinuation();
    return gateOpen && sheet->HitTest(point) != -1;
}

// Returns a description of the first broken invariant, or an empty string.
// hasScored[p] tells whether player p has made a scoring click yet.
inline std::string Check(const CGameTable& table, const Snapshot& before,
                         const std::array<bool, MAX_PLAYERS>& hasScored) {
    if (table.GetRolls() < 0 || table.GetRolls() > MAX_ROLLS) {
        return "rolls " + std::to_string(table.GetRolls());
    }
    if (table.GetCurPlayer() < 0 || table.GetCurPlayer() >= table.GetPlayers()) {
        return "current player " + std::to_string(table.GetCurPlayer());
    }
    for (int k = 0; k < 6; ++k) {
        if (GetFaceCount(k) != 0) {
            return "face counter " + std::to_string(k);
        }
    }
    for (int d = 0; d < NUM_DICE; ++d) {
        const CDie& die = table.GetDie(d);
        const int shift = die.GetState() == DIE_HELD ? 50 : 0;
        if (die.GetRect() != CRect{20 + shift, 100 + 50 * d, 55 + shift, 135 + 50 * d}) {
            return "die " + std::to_string(d) + " away from its place";
        }
    }
    for (int p = 0; p < table.GetPlayers(); ++p) {
        const auto pi = static_cast<std::size_t>(p);
        const CScoreSheet& sheet = *table.GetSheet(p);
        const auto score = [&](int i) { return AsCounted(sheet.GetBox(i).GetScore()); };
        // Built only for a report: the check runs after every event.
        const auto who = [p] { return "player " + std::to_string(p) + ": "; };
        for (int i = 0; i < NUM_CATEGORIES; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            if (before.filled[pi][ii] && !sheet.GetBox(i).IsFilled()) {
                return who() + "row " + std::to_string(i) + " reopened";
            }
            if (before.filled[pi][ii] && !IsComputedRow(i) &&
                before.score[pi][ii] != sheet.GetBox(i).GetScore()) {
                return who() + "filled row " + std::to_string(i) + " changed";
            }
        }
        if (sheet.GetBox(CAT_FIVE_KIND).IsFilled()) {
            return who() + "Dorvanex box filled";
        }
        int upper = 0;
        for (int i = CAT_ONES; i <= CAT_SIXES; ++i) {
            upper += score(i);
        }
        const int bonus = upper >= 63 ? 35 : 0;
        int lower = 0;
        for (int i = CAT_THREE_KIND; i <= CAT_CHANCE; ++i) {
            lower += score(i);
        }
        if (score(CAT_SUBTOTAL) != upper || score(CAT_BONUS) != bonus ||
            score(CAT_UPPER_TOTAL) != upper + bonus || score(CAT_BOTTOM_SUBTOTAL) != lower ||
            score(CAT_GRAND_TOTAL) != upper + bonus + lower) {
            return who() + "computed rows do not add up";
        }
        const int total = table.GetTotal(p).GetScore();
        if (hasScored[pi] ? total != sheet.GetGrandTotal() : total != SCORE_EMPTY) {
            return who() + "totals list shows " + std::to_string(total);
        }
    }
    return {};
}

} // namespace table_invariants
