#pragma once

// What one event must have done to the game table, beyond the invariants
// that hold after any event: a fourth roll changes nothing, a roll rolls
// exactly the dice that are not held, a click on a die toggles that die
// alone, the name box passes the turn and keeps the rest, a scoring click
// ends the turn, and a click on nothing changes nothing.

#include "game/GameTable.h"

#include <array>
#include <string>

namespace event_checks {

struct DiceState {
    std::array<int, NUM_DICE> value{};
    std::array<int, NUM_DICE> state{};

    friend bool operator==(const DiceState&, const DiceState&) = default;
};

// Where a left click lands, judged from the state before it.
struct ClickTarget {
    bool nameBox = false;
    int die = -1; // the die under the point, or -1
    bool scores = false;
};

// The parts of the table an event may change, taken before it runs.
struct Before {
    int rolls = 0;
    int player = 0;
    DiceState dice;
    int fiveKinds = 0;
};

DiceState DiceOf(const CGameTable& table);
Before TakeBefore(const CGameTable& table);
ClickTarget TargetOf(const CGameTable& table, CPoint point);

// Ranges that must hold after any event: faces, die states, the scoring
// state and the totals labels. Empty when all hold, else what broke.
std::string CheckRanges(const CGameTable& table, const Before& before);

std::string CheckRoll(const CGameTable& table, const Before& before, int invalidations);
std::string CheckNextPlayer(const CGameTable& table, const Before& before);
std::string CheckClick(const CGameTable& table, const Before& before, const ClickTarget& target,
                       int invalidations);

} // namespace event_checks
