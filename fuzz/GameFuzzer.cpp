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

#include "game/GameTable.h"
#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"
#include "tests/support/TableChecks.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

enum Event : int {
    kRoll = 0,    // right press; the point is ignored by the game
    kClickRaw,    // left press at any 16-bit point, outside the window too
    kClickWindow, // left press inside the 380 x 590 of the window
    kClickDie,    // left press inside die n, wherever it is now
    kClickRow,    // left press inside row n of the current sheet
    kClickName,   // left press inside the name box
    kForceFaces,  // five faces 0..7; 0 and 7 must be refused by the die
    kNextPlayer,  // the turn passes directly
    kEventKinds
};

class FuzzTable : public CGameTable {
public:
    int invalidations = 0;

    void ForceFace(int die, int face) {
        support::SetFace(m_dice[static_cast<std::size_t>(die)], face);
    }

protected:
    void Invalidate() override { ++invalidations; }
};

[[noreturn]] void Fail(int event, const std::string& what) {
    std::fprintf(stderr, "invariant broken after event %d: %s\n", event, what.c_str());
    std::abort();
}

CPoint Inside(const CRect& r, ByteReader& in) {
    return {r.left + in.Below(r.Width()), r.top + in.Below(r.Height())};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    support::ResetScoringState();

    const int count = in.Below(8) - 1;
    SeedRandom(in.U32());
    std::array<std::string, MAX_PLAYERS> names;
    for (std::string& name : names) {
        name = in.String();
    }

    FuzzTable table;
    table.StartGame(count, names);
    const int expectedPlayers = count < 1 ? 1 : (count > MAX_PLAYERS ? MAX_PLAYERS : count);
    if (support::Players(table) != expectedPlayers || table.GetCurPlayer() != 0) {
        Fail(-1, "start with " + std::to_string(count) + " players");
    }
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        if (table.GetName(k) != names[static_cast<std::size_t>(k)]) {
            Fail(-1, "name " + std::to_string(k) + " not copied verbatim");
        }
    }

    std::array<bool, MAX_PLAYERS> hasScored{};
    for (int event = 0; !in.AtEnd(); ++event) {
        const support::Before before = support::TakeBefore(table);
        table.invalidations = 0;

        const int kind = in.Below(kEventKinds);
        CPoint point{};
        switch (kind) {
        case kRoll:
            table.Roll();
            break;
        case kClickRaw: {
            const int x = in.I16();
            point = {x, in.I16()};
            break;
        }
        case kClickWindow: {
            const int x = in.U16() % support::kWindowArea.right;
            point = {x, in.U16() % support::kWindowArea.bottom};
            break;
        }
        case kClickDie:
            point = Inside(table.GetDie(in.Below(NUM_DICE)).GetRect(), in);
            break;
        case kClickRow: {
            const CScoreSheet& sheet = *table.GetSheet(table.GetCurPlayer());
            point = Inside(sheet.GetBox(in.Below(NUM_CATEGORIES)).GetRect(), in);
            break;
        }
        case kClickName:
            point = Inside(table.GetNameRect(), in);
            break;
        case kForceFaces:
            for (int i = 0; i < NUM_DICE; ++i) {
                table.ForceFace(i, in.Below(8));
            }
            break;
        default:
            table.NextPlayer();
            break;
        }

        std::string broken;
        if (kind >= kClickRaw && kind <= kClickName) {
            const support::ClickTarget target = support::TargetOf(table, point);
            if (target.scores) {
                hasScored[static_cast<std::size_t>(table.GetCurPlayer())] = true;
            }
            table.Click(point);
            broken = support::CheckClick(table, before, target, table.invalidations);
        } else if (kind == kRoll) {
            broken = support::CheckRoll(table, before, table.invalidations);
        } else if (kind == kNextPlayer) {
            broken = support::CheckNextPlayer(table, before);
        }
        if (broken.empty()) {
            broken = support::CheckInvariants(table, before, hasScored);
        }
        if (broken.empty()) {
            broken = support::CheckRanges(table, before);
        }
        if (!broken.empty()) {
            Fail(event, broken);
        }
    }
    return 0;
}
