// libFuzzer target: every input is a whole game. It picks the player count,
// the seed, the four names, then a sequence of rolls, clicks, forced faces and
// turn passes, and runs them through the game table. After every event the
// table's invariants are checked; a broken one aborts with a description, so
// the fuzzer keeps the input as a crash.
//
// Input layout (see ByteReader: past the end every byte reads as 0):
//   count byte   player count = byte % 8 - 1, so -1..6 (the table clamps to 1..4)
//   4 bytes      seed of the dice engine
//   4 names      each a length byte and that many raw bytes
//   events       an opcode byte % 8, then its operands (Event below)

#include "ByteReader.h"
#include "TableInvariants.h"

#include "game/GameTable.h"
#include "game/Random.h"
#include "game/Scoring.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int CLIENT_WIDTH = 380;
constexpr int CLIENT_HEIGHT = 590;

enum Event : int {
    ROLL = 0,     // right press; the point is ignored by the game
    CLICK_RAW,    // left press at any 16-bit point, outside the window too
    CLICK_CLIENT, // left press inside the 380 x 590 client area
    CLICK_DIE,    // left press inside die n, wherever it is now
    CLICK_ROW,    // left press inside row n of the current sheet
    CLICK_NAME,   // left press inside the name box
    FORCE_FACES,  // five faces 0..7; 0 and 7 must be refused by the die
    NEXT_PLAYER,  // the turn passes directly
    EVENT_KINDS
};

class FuzzTable : public CGameTable {
public:
    int invalidations = 0;

    void ForceFace(int die, int face) { m_dice[static_cast<std::size_t>(die)].SetValue(face); }

protected:
    void Invalidate() override { ++invalidations; }
};

[[noreturn]] void Fail(int event, const std::string& what) {
    std::fprintf(stderr, "invariant broken after event %d: %s\n", event, what.c_str());
    std::abort();
}

struct DiceState {
    std::array<int, NUM_DICE> value{};
    std::array<int, NUM_DICE> state{};

    friend bool operator==(const DiceState&, const DiceState&) = default;
};

DiceState DiceOf(const CGameTable& table) {
    DiceState d;
    for (int i = 0; i < NUM_DICE; ++i) {
        d.value[static_cast<std::size_t>(i)] = table.GetDie(i).GetValue();
        d.state[static_cast<std::size_t>(i)] = table.GetDie(i).GetState();
    }
    return d;
}

CPoint Inside(const CRect& r, ByteReader& in) {
    return {r.left + in.Below(r.Width()), r.top + in.Below(r.Height())};
}

// Checks what the table-wide invariants cannot see: the contract of the one
// event that just ran, and values that must stay in their ranges.
std::string CheckEvent(int kind, const FuzzTable& table, int rollsBefore, int playerBefore,
                       const DiceState& diceBefore, int fiveKindsBefore, int invalidations,
                       bool clickHitsSomething) {
    const DiceState dice = DiceOf(table);
    for (int i = 0; i < NUM_DICE; ++i) {
        const int v = dice.value[static_cast<std::size_t>(i)];
        const int s = dice.state[static_cast<std::size_t>(i)];
        if (v < 1 || v > 6) {
            return "die " + std::to_string(i) + " shows " + std::to_string(v);
        }
        if (s != DIE_FRESH && s != DIE_ROLLED && s != DIE_HELD) {
            return "die " + std::to_string(i) + " in state " + std::to_string(s);
        }
    }
    if (GetFiveKindCount() < fiveKindsBefore) {
        return "five-of-a-kind count went down";
    }
    const int last = GetLastCategory();
    // 16 means nothing has scored yet; no computed row ever scores.
    if (last != LAST_CATEGORY_NONE && (last < 0 || last >= NUM_CATEGORIES || IsComputedRow(last))) {
        return "last category " + std::to_string(last);
    }
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        if (table.GetTotal(k).GetLabel() != table.GetName(k)) {
            return "totals label " + std::to_string(k) + " differs from the name";
        }
    }

    switch (kind) {
    case ROLL:
        if (rollsBefore == MAX_ROLLS) {
            if (invalidations != 0 || table.GetRolls() != MAX_ROLLS || dice != diceBefore) {
                return "a fourth roll changed something";
            }
            break;
        }
        if (invalidations != 1 || table.GetRolls() != rollsBefore + 1) {
            return "a roll did not count once and repaint once";
        }
        for (std::size_t i = 0; i < NUM_DICE; ++i) {
            const bool held = diceBefore.state[i] == DIE_HELD;
            if (held ? dice.value[i] != diceBefore.value[i] || dice.state[i] != DIE_HELD
                     : dice.state[i] != DIE_ROLLED) {
                return "die " + std::to_string(i) + " wrongly rolled or held";
            }
        }
        break;
    case NEXT_PLAYER: {
        const int players = table.GetPlayers();
        const int expected = players < 2 ? playerBefore : (playerBefore + 1) % players;
        if (table.GetCurPlayer() != expected) {
            return "turn passed to player " + std::to_string(table.GetCurPlayer());
        }
        break;
    }
    case FORCE_FACES:
        break;
    default: // the left clicks
        if (!clickHitsSomething && (invalidations != 0 || table.GetRolls() != rollsBefore ||
                                    table.GetCurPlayer() != playerBefore || dice != diceBefore)) {
            return "a click on nothing changed the table";
        }
        break;
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    ResetScoringStateForTesting();

    const int count = in.Below(8) - 1;
    SeedRandom(in.U32());
    std::array<std::string, MAX_PLAYERS> names;
    for (std::string& name : names) {
        name = in.String();
    }

    FuzzTable table;
    table.StartGame(count, names);
    const int expectedPlayers = count < 1 ? 1 : (count > MAX_PLAYERS ? MAX_PLAYERS : count);
    if (table.GetPlayers() != expectedPlayers || table.GetCurPlayer() != 0) {
        Fail(-1, "start with " + std::to_string(count) + " players");
    }
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        if (table.GetName(k) != names[static_cast<std::size_t>(k)]) {
            Fail(-1, "name " + std::to_string(k) + " not copied verbatim");
        }
    }

    std::array<bool, MAX_PLAYERS> hasScored{};
    for (int event = 0; !in.AtEnd(); ++event) {
        const table_invariants::Snapshot before = table_invariants::Take(table);
        const int rollsBefore = table.GetRolls();
        const int playerBefore = table.GetCurPlayer();
        const DiceState diceBefore = DiceOf(table);
        const int fiveKindsBefore = GetFiveKindCount();
        table.invalidations = 0;

        const int kind = in.Below(EVENT_KINDS);
        CPoint point{};
        bool isClick = true;
        switch (kind) {
        case ROLL:
            isClick = false;
            table.OnRButtonDown(0, {});
            break;
        case CLICK_RAW: {
            const int x = in.I16();
            point = {x, in.I16()};
            break;
        }
        case CLICK_CLIENT: {
            const int x = in.U16() % CLIENT_WIDTH;
            point = {x, in.U16() % CLIENT_HEIGHT};
            break;
        }
        case CLICK_DIE:
            point = Inside(table.GetDie(in.Below(NUM_DICE)).GetRect(), in);
            break;
        case CLICK_ROW: {
            const CScoreSheet& sheet = *table.GetSheet(table.GetCurPlayer());
            point = Inside(sheet.GetBox(in.Below(NUM_CATEGORIES)).GetRect(), in);
            break;
        }
        case CLICK_NAME:
            point = Inside(table.GetNameRect(), in);
            break;
        case FORCE_FACES:
            isClick = false;
            for (int i = 0; i < NUM_DICE; ++i) {
                table.ForceFace(i, in.Below(8));
            }
            break;
        default:
            isClick = false;
            table.NextPlayer();
            break;
        }

        bool hitsSomething = false;
        if (isClick) {
            hitsSomething =
                table.GetNameRect().PtInRect(point) || table_invariants::ClickScores(table, point);
            for (int i = 0; i < NUM_DICE; ++i) {
                hitsSomething = hitsSomething || table.GetDie(i).HitTest(point);
            }
            if (table_invariants::ClickScores(table, point)) {
                hasScored[static_cast<std::size_t>(table.GetCurPlayer())] = true;
            }
            table.OnLButtonDown(0, point);
        }

        std::string broken = table_invariants::Check(table, before, hasScored);
        if (broken.empty()) {
            broken = CheckEvent(kind, table, rollsBefore, playerBefore, diceBefore, fiveKindsBefore,
                                table.invalidations, hitsSomething);
        }
        if (!broken.empty()) {
            Fail(event, broken);
        }
    }
    return 0;
}
