// Random games: every event a window can send, in random order, for one to
// four players, with the table's invariants checked after each event.
#include "TestTable.h"

#include "game/Categories.h"
#include "tests/support/Table.h"
#include "tests/support/TableChecks.h"

#include <array>
#include <random>
#include <string>

using support::Before;
using support::CheckInvariants;
using support::ClickScores;
using support::kWindowArea;
using support::TakeBefore;

namespace {

constexpr int kSequences = 10000;
constexpr int kEventsPerSequence = 40;

CPoint PointIn(const CRect& r, std::mt19937& rng) {
    std::uniform_int_distribution<int> x(r.left, r.right - 1);
    std::uniform_int_distribution<int> y(r.top, r.bottom - 1);
    return {x(rng), y(rng)};
}

} // namespace

TEST_F(GameTest, RandomGamesKeepTheTableConsistent) {
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> anyDie(0, NUM_DICE - 1);
    std::uniform_int_distribution<int> anyRow(0, NUM_CATEGORIES - 1);
    std::uniform_int_distribution<int> anyFace(1, 6);

    for (int seq = 0; seq < kSequences; ++seq) {
        support::ResetScoringState();
        SeedRandom(static_cast<unsigned>(seq));
        std::mt19937 rng(static_cast<unsigned>(seq) * 7919u + 1u);
        TestTable table;
        table.StartGame(1 + seq % MAX_PLAYERS, Names(MAX_PLAYERS));
        std::array<bool, MAX_PLAYERS> hasScored{};

        for (int event = 0; event < kEventsPerSequence; ++event) {
            const Before before = TakeBefore(table);
            const int kind = percent(rng);
            const auto click = [&](CPoint point) {
                if (ClickScores(table, point)) {
                    hasScored[static_cast<std::size_t>(table.GetCurPlayer())] = true;
                }
                table.Click(point);
            };
            if (kind < 30) {
                table.Roll();
            } else if (kind < 45) {
                click(PointIn(kWindowArea, rng));
            } else if (kind < 65) {
                click(PointIn(table.GetDie(anyDie(rng)).GetRect(), rng));
            } else if (kind < 90) {
                const CScoreSheet& sheet = *table.GetSheet(table.GetCurPlayer());
                click(PointIn(sheet.GetBox(anyRow(rng)).GetRect(), rng));
            } else if (kind < 95) {
                click(support::Centre(table.GetNameRect()));
            } else {
                // Five of a kind is rare from rolls alone; force one now and then
                // so the Dorvanex box, the joker and the continuation are reached.
                const int face = anyFace(rng);
                const std::string f = std::to_string(face);
                table.SetDice(f + " " + f + " " + f + " " + f + " " + f);
            }
            const std::string broken = CheckInvariants(table, before, hasScored);
            ASSERT_TRUE(broken.empty())
                << "sequence " << seq << ", event " << event << ": " << broken;
        }
    }
}
