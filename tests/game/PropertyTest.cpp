// Random games: every event a window can send, in random order, for one to
// four players, with the table's invariants checked after each event.
#include "TestTable.h"

#include "game/Categories.h"

#include <array>
#include <random>
#include <string>

namespace {

constexpr int SEQUENCES = 10000;
constexpr int EVENTS_PER_SEQUENCE = 40;
constexpr int CLIENT_WIDTH = 380;
constexpr int CLIENT_HEIGHT = 590;

struct Snapshot {
    std::array<std::array<bool, NUM_CATEGORIES>, MAX_PLAYERS> filled{};
    std::array<std::array<int, NUM_CATEGORIES>, MAX_PLAYERS> score{};
};

Snapshot Take(const CGameTable& table) {
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

int AsCounted(int score) {
    return score == SCORE_EMPTY ? 0 : score;
}

// Returns a description of the first broken invariant, or an empty string.
std::string Check(const CGameTable& table, const Snapshot& before,
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
        const std::string who = "player " + std::to_string(p) + ": ";
        for (int i = 0; i < NUM_CATEGORIES; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            if (before.filled[pi][ii] && !sheet.GetBox(i).IsFilled()) {
                return who + "row " + std::to_string(i) + " reopened";
            }
            if (before.filled[pi][ii] && !IsComputedRow(i) &&
                before.score[pi][ii] != sheet.GetBox(i).GetScore()) {
                return who + "filled row " + std::to_string(i) + " changed";
            }
        }
        if (sheet.GetBox(CAT_FIVE_KIND).IsFilled()) {
            return who + "Dorvanex box filled";
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
            return who + "computed rows do not add up";
        }
        const int total = table.GetTotal(p).GetScore();
        if (hasScored[pi] ? total != sheet.GetGrandTotal() : total != SCORE_EMPTY) {
            return who + "totals list shows " + std::to_string(total);
        }
    }
    return {};
}

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
    const CRect client{0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};

    for (int seq = 0; seq < SEQUENCES; ++seq) {
        ResetScoringStateForTesting();
        SeedRandom(static_cast<unsigned>(seq));
        std::mt19937 rng(static_cast<unsigned>(seq) * 7919u + 1u);
        TestTable table;
        table.StartGame(1 + seq % MAX_PLAYERS, Names(MAX_PLAYERS));
        std::array<bool, MAX_PLAYERS> hasScored{};

        for (int event = 0; event < EVENTS_PER_SEQUENCE; ++event) {
            const Snapshot before = Take(table);
            const int kind = percent(rng);
            // Whether a left click scores follows from state visible before it:
            // rows overlap neither the name box nor any die.
            const auto click = [&](CPoint point) {
                const int scorer = table.GetCurPlayer();
                const bool gateOpen =
                    table.GetRolls() > 0 || (IsLastCategoryFiveKind() && GetFiveKindCount() > 1);
                if (gateOpen && table.GetSheet(scorer)->HitTest(point) != -1) {
                    hasScored[static_cast<std::size_t>(scorer)] = true;
                }
                table.Click(point);
            };
            if (kind < 30) {
                table.Roll();
            } else if (kind < 45) {
                click(PointIn(client, rng));
            } else if (kind < 65) {
                click(PointIn(table.GetDie(anyDie(rng)).GetRect(), rng));
            } else if (kind < 90) {
                const CScoreSheet& sheet = *table.GetSheet(table.GetCurPlayer());
                click(PointIn(sheet.GetBox(anyRow(rng)).GetRect(), rng));
            } else if (kind < 95) {
                click(TestTable::Centre(table.GetNameRect()));
            } else {
                // Five of a kind is rare from rolls alone; force one now and then
                // so the Dorvanex box, the joker and the continuation are reached.
                const int face = anyFace(rng);
                const std::string f = std::to_string(face);
                table.SetDice(f + " " + f + " " + f + " " + f + " " + f);
            }
            const std::string broken = Check(table, before, hasScored);
            ASSERT_TRUE(broken.empty())
                << "sequence " << seq << ", event " << event << ": " << broken;
        }
    }
}
