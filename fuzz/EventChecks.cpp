#include "EventChecks.h"

#include "TableInvariants.h"

#include "game/Categories.h"
#include "game/Scoring.h"

namespace event_checks {

namespace {

std::string DieText(std::size_t i) {
    return "die " + std::to_string(i);
}

int NextOf(const CGameTable& table, int player) {
    const int players = table.GetPlayers();
    return players < 2 ? player : (player + 1) % players;
}

} // namespace

DiceState DiceOf(const CGameTable& table) {
    DiceState d;
    for (int i = 0; i < NUM_DICE; ++i) {
        d.value[static_cast<std::size_t>(i)] = table.GetDie(i).GetValue();
        d.state[static_cast<std::size_t>(i)] = table.GetDie(i).GetState();
    }
    return d;
}

Before TakeBefore(const CGameTable& table) {
    return {table.GetRolls(), table.GetCurPlayer(), DiceOf(table), GetFiveKindCount()};
}

ClickTarget TargetOf(const CGameTable& table, CPoint point) {
    ClickTarget target;
    target.nameBox = table.GetNameRect().PtInRect(point);
    for (int i = 0; i < NUM_DICE; ++i) {
        if (table.GetDie(i).HitTest(point)) {
            target.die = i;
        }
    }
    target.scores = table_invariants::ClickScores(table, point);
    return target;
}

std::string CheckRanges(const CGameTable& table, const Before& before) {
    const DiceState dice = DiceOf(table);
    for (std::size_t i = 0; i < NUM_DICE; ++i) {
        if (dice.value[i] < 1 || dice.value[i] > 6) {
            return DieText(i) + " shows " + std::to_string(dice.value[i]);
        }
        if (dice.state[i] != DIE_FRESH && dice.state[i] != DIE_ROLLED &&
            dice.state[i] != DIE_HELD) {
            return DieText(i) + " in state " + std::to_string(dice.state[i]);
        }
    }
    if (GetFiveKindCount() < before.fiveKinds) {
        return "five-of-a-kind count went down";
    }
    // 16 means nothing has scored yet; no computed row ever scores.
    const int last = GetLastCategory();
    if (last != LAST_CATEGORY_NONE && (last < 0 || last >= NUM_CATEGORIES || IsComputedRow(last))) {
        return "last category " + std::to_string(last);
    }
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        if (table.GetTotal(k).GetLabel() != table.GetName(k)) {
            return "totals label " + std::to_string(k) + " differs from the name";
        }
    }
    return {};
}

std::string CheckRoll(const CGameTable& table, const Before& before, int invalidations) {
    const DiceState dice = DiceOf(table);
    if (before.rolls == MAX_ROLLS) {
        if (invalidations != 0 || table.GetRolls() != MAX_ROLLS || dice != before.dice) {
            return "a fourth roll changed something";
        }
        return {};
    }
    if (invalidations != 1 || table.GetRolls() != before.rolls + 1 ||
        table.GetCurPlayer() != before.player) {
        return "a roll did not count once and repaint once";
    }
    for (std::size_t i = 0; i < NUM_DICE; ++i) {
        const bool held = before.dice.state[i] == DIE_HELD;
        if (held ? dice.value[i] != before.dice.value[i] || dice.state[i] != DIE_HELD
                 : dice.state[i] != DIE_ROLLED) {
            return DieText(i) + " wrongly rolled or held";
        }
    }
    return {};
}

std::string CheckNextPlayer(const CGameTable& table, const Before& before) {
    if (table.GetCurPlayer() != NextOf(table, before.player) || table.GetRolls() != before.rolls ||
        DiceOf(table) != before.dice) {
        return "passing the turn went wrong";
    }
    return {};
}

std::string CheckClick(const CGameTable& table, const Before& before, const ClickTarget& target,
                       int invalidations) {
    const DiceState dice = DiceOf(table);
    if (target.scores) {
        // The turn ends: no roll, no held die, faces kept; the turn passes
        // unless a repeated five of a kind lets the player go on.
        if (table.GetRolls() != 0 || invalidations < 1) {
            return "a scoring click did not end the turn";
        }
        for (std::size_t i = 0; i < NUM_DICE; ++i) {
            const int expected =
                before.dice.state[i] == DIE_HELD ? DIE_FRESH : before.dice.state[i];
            if (dice.value[i] != before.dice.value[i] || dice.state[i] != expected) {
                return DieText(i) + " not sent home at the end of the turn";
            }
        }
        const int player = table.GetCurPlayer();
        if (player != before.player && player != NextOf(table, before.player)) {
            return "a scoring click passed the turn to player " + std::to_string(player);
        }
        if (player == before.player && table.GetPlayers() > 1 &&
            !table.GetSheet(player)->InContinuation()) {
            return "the turn stayed without a repeated five of a kind";
        }
        return {};
    }

    const int expectedPlayer = target.nameBox ? NextOf(table, before.player) : before.player;
    if (table.GetRolls() != before.rolls || table.GetCurPlayer() != expectedPlayer) {
        return "a click that does not score changed the roll count or the turn";
    }
    for (std::size_t i = 0; i < NUM_DICE; ++i) {
        int expected = before.dice.state[i];
        if (static_cast<int>(i) == target.die) {
            expected = expected == DIE_HELD ? DIE_ROLLED : DIE_HELD;
        }
        if (dice.value[i] != before.dice.value[i] || dice.state[i] != expected) {
            return DieText(i) + " changed by a click on something else";
        }
    }
    const bool hitsSomething = target.nameBox || target.die != -1;
    if (hitsSomething != (invalidations > 0)) {
        return "a click repainted " + std::to_string(invalidations) + " times";
    }
    return {};
}

} // namespace event_checks
