#pragma once

// Checks of a game table after each event, shared by the random-game test,
// the event storm on the window and the fuzz target, so a failure found by
// one can be replayed and understood with the others. Standard C++ only:
// the fuzz target has no test framework. Each check returns an empty string
// when everything holds, else a description of the first thing broken.

#include "game/Categories.h"
#include "game/GameTable.h"

#include <array>
#include <string>

namespace support {

struct DiceState {
    std::array<int, NUM_DICE> value{};
    std::array<int, NUM_DICE> state{};

    friend bool operator==(const DiceState&, const DiceState&) = default;
};

// The parts of the table an event may change, taken before it runs. A
// filled row must stay filled and, unless it is computed, keep its score.
struct Before {
    int rolls = 0;
    int player = 0;
    DiceState dice;
    int fiveKinds = 0;
    std::array<std::array<bool, NUM_CATEGORIES>, MAX_PLAYERS> filled{};
    std::array<std::array<int, NUM_CATEGORIES>, MAX_PLAYERS> score{};
};

// Where a left click lands, judged from the state before it.
struct ClickTarget {
    bool nameBox = false;
    int die = -1; // the die under the point, or -1
    bool scores = false;
};

DiceState DiceStateOf(const CGameTable& table);
Before TakeBefore(const CGameTable& table);
ClickTarget TargetOf(const CGameTable& table, CPoint point);

// Whether a left click at the point is a scoring click, decided from the
// state before it: rows overlap neither the name box nor any die, so the
// earlier steps of a click cannot change the answer.
bool ClickScores(const CGameTable& table, CPoint point);

// The invariants that hold after every event, whatever the event was.
// hasScored[p] tells whether player p has made a scoring click yet.
std::string CheckInvariants(const CGameTable& table, const Before& before,
                            const std::array<bool, MAX_PLAYERS>& hasScored);

// Ranges that must hold after any event: faces, die states, the scoring
// state and the totals labels.
std::string CheckRanges(const CGameTable& table, const Before& before);

// What one event must have done: a fourth roll changes nothing, a roll
// rolls exactly the dice that are not held, a click on a die toggles that
// die alone, the name box passes the turn and keeps the rest, a scoring
// click ends the turn, and a click on nothing changes nothing.
std::string CheckRoll(const CGameTable& table, const Before& before, int invalidations);
std::string CheckNextPlayer(const CGameTable& table, const Before& before);
std::string CheckClick(const CGameTable& table, const Before& before, const ClickTarget& target,
                       int invalidations);

} // namespace support
