#include "tests/support/TableChecks.h"

#include "game/Scoring.h"
#include "tests/support/Table.h"

namespace support {

namespace {

int AsCounted(int score) {
    return score == SCORE_EMPTY ? 0 : score;
}

std::string DieText(std::size_t i) {
    return "die " + std::to_string(i);
}

// Right after a repeated five of a kind, read from the scoring state itself
// rather than from the sheet's own answer, so a fault there shows.
bool RepeatedFiveKindJustScored() {
    return IsLastCategoryFiveKind() && GetFiveKindCount() > 1;
}

int NextOf(const CGameTable& table, int player) {
    const int players = support::Players(table);
    return players < 2 ? player : (player + 1) % players;
}

} // namespace

DiceState DiceStateOf(const CGameTable& table) {
    DiceState d;
    for (int i = 0; i < NUM_DICE; ++i) {
        d.value[static_cast<std::size_t>(i)] = table.GetDie(i).GetValue();
        d.state[static_cast<std::size_t>(i)] = table.GetDie(i).GetState();
    }
    return d;
}

Before TakeBefore(const CGameTable& table) {
    Before b{
        table.GetRolls(), table.GetCurPlayer(), DiceStateOf(table), GetFiveKindCount(), {}, {}};
    for (int p = 0; p < support::Players(table); ++p) {
        for (int i = 0; i < NUM_CATEGORIES; ++i) {
            const CScoreBox& box = table.GetSheet(p)->GetBox(i);
            b.filled[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = box.IsFilled();
            b.score[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] = box.GetScore();
        }
    }
    return b;
}

ClickTarget TargetOf(const CGameTable& table, CPoint point) {
    ClickTarget target;
    target.nameBox = table.GetNameRect().PtInRect(point);
    for (int i = 0; i < NUM_DICE; ++i) {
        if (table.GetDie(i).HitTest(point)) {
            target.die = i;
        }
    }
    target.scores = ClickScores(table, point);
    return target;
}

bool ClickScores(const CGameTable& table, CPoint point) {
    const CScoreSheet* sheet = table.GetSheet(table.GetCurPlayer());
    if (sheet == nullptr) {
        return false;
    }
    const bool gateOpen = table.GetRolls() > 0 || RepeatedFiveKindJustScored();
    return gateOpen && sheet->HitTest(point) != -1;
}

std::string CheckInvariants(const CGameTable& table, const Before& before,
                            const std::array<bool, MAX_PLAYERS>& hasScored) {
    if (table.GetRolls() < 0 || table.GetRolls() > MAX_ROLLS) {
        return "rolls " + std::to_string(table.GetRolls());
    }
    if (table.GetCurPlayer() < 0 || table.GetCurPlayer() >= support::Players(table)) {
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
    for (int p = 0; p < support::Players(table); ++p) {
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

std::string CheckRanges(const CGameTable& table, const Before& before) {
    const DiceState dice = DiceStateOf(table);
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
    const int last = g_nLastCategory;
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
    const DiceState dice = DiceStateOf(table);
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
        DiceStateOf(table) != before.dice) {
        return "passing the turn went wrong";
    }
    return {};
}

std::string CheckClick(const CGameTable& table, const Before& before, const ClickTarget& target,
                       int invalidations) {
    const DiceState dice = DiceStateOf(table);
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
        if (player == before.player && support::Players(table) > 1 && !RepeatedFiveKindJustScored()) {
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

} // namespace support
