// Turn flow: rolls, holding, the scoring gate, the end of a turn, the name
// box, the rotation and the continuation after a repeated five of a kind.
#include "TestTable.h"

#include "game/Categories.h"

#include <vector>

namespace {

CRect HomeRect(int i) {
    return {20, 100 + 50 * i, 55, 135 + 50 * i};
}

std::vector<int> Faces(const CGameTable& table) {
    std::vector<int> faces;
    for (int i = 0; i < NUM_DICE; ++i) {
        faces.push_back(table.GetDie(i).GetValue());
    }
    return faces;
}

} // namespace

TEST_F(GameTest, NewTableHasDiceAtHomeAndNoSheets) {
    TestTable table;
    for (int i = 0; i < NUM_DICE; ++i) {
        EXPECT_EQ(table.GetDie(i).GetRect(), HomeRect(i));
        EXPECT_EQ(table.GetDie(i).GetState(), DIE_FRESH);
    }
    EXPECT_EQ(table.GetRolls(), 0);
    EXPECT_EQ(table.GetRollRect(), (CRect{20, 400, 70, 420}));
    EXPECT_EQ(table.GetNameRect(), (CRect{20, 50, 150, 70}));
    EXPECT_EQ(table.GetSheet(0), nullptr);
    // Events before the players are known must not reach for a sheet.
    table.Roll();
    table.Click({130, 110});
    table.ClickName();
    EXPECT_EQ(table.GetRolls(), 1);
}

TEST_F(GameTest, StartGameBuildsSheetsNamesAndTotalsClampingTheCount) {
    const std::vector<std::pair<int, int>> counts{{1, 1}, {2, 2},  {3, 3}, {4, 4},
                                                  {0, 1}, {-3, 1}, {5, 4}, {99, 4}};
    for (const auto& [asked, players] : counts) {
        SCOPED_TRACE(asked);
        TestTable table;
        table.StartGame(asked, {"Ann", "Bob", "", "Di"});
        EXPECT_EQ(support::Players(table), players);
        EXPECT_EQ(table.GetCurPlayer(), 0);
        for (int k = 0; k < MAX_PLAYERS; ++k) {
            EXPECT_EQ(table.GetSheet(k) != nullptr, k < players);
            const CScoreBox& total = table.GetTotal(k);
            EXPECT_EQ(total.GetLabel(), table.GetName(k));
            EXPECT_EQ(total.GetRect(), (CRect{225, 100 + 25 * k, 275, 120 + 25 * k}));
            EXPECT_EQ(total.GetScore(), SCORE_EMPTY);
            EXPECT_FALSE(total.IsFilled());
        }
        EXPECT_EQ(table.GetSheet(-1), nullptr);
        EXPECT_EQ(table.GetSheet(players), nullptr);
        EXPECT_EQ(table.GetName(3), "Di"); // copied whatever the count
    }
}

TEST_F(GameTest, FourthRollChangesNothingAndRequestsNoRepaint) {
    TestTable table;
    Start(table, 1);
    for (int n = 1; n <= 3; ++n) {
        table.Roll();
        EXPECT_EQ(table.GetRolls(), n);
        EXPECT_EQ(table.invalidations, n);
    }
    const auto faces = Faces(table);
    table.Roll();
    EXPECT_EQ(table.GetRolls(), 3);
    EXPECT_EQ(table.invalidations, 3);
    EXPECT_EQ(Faces(table), faces);
}

TEST_F(GameTest, DieHeldBeforeTheFirstRollKeepsItsFace) {
    TestTable table;
    Start(table, 1);
    table.SetDice("1 1 4 1 1");
    table.ClickDie(2);
    for (int n = 0; n < 3; ++n) {
        table.Roll();
        EXPECT_EQ(table.GetDie(2).GetValue(), 4);
        EXPECT_EQ(table.GetDie(2).GetState(), DIE_HELD);
        EXPECT_EQ(table.GetDie(0).GetState(), DIE_ROLLED);
    }
}

TEST_F(GameTest, ClickingADieHoldsItFiftyPixelsRightAndAgainReleasesIt) {
    TestTable table;
    Start(table, 1);
    table.Roll();
    const CPoint home = support::Centre(HomeRect(1));
    table.Click(home);
    EXPECT_EQ(table.GetDie(1).GetState(), DIE_HELD);
    EXPECT_EQ(table.GetDie(1).GetRect(), (CRect{70, 150, 105, 185}));
    table.Click(home); // nothing there any more
    EXPECT_EQ(table.GetDie(1).GetState(), DIE_HELD);
    table.Click({home.x + 50, home.y});
    EXPECT_EQ(table.GetDie(1).GetState(), DIE_ROLLED);
    EXPECT_EQ(table.GetDie(1).GetRect(), HomeRect(1));
    EXPECT_EQ(table.invalidations, 1 + 2); // roll, hold, release
    table.Click({55, 160});                // right edge of the home rectangle: outside
    EXPECT_EQ(table.GetDie(1).GetState(), DIE_ROLLED);
    EXPECT_EQ(table.invalidations, 3);
}

TEST_F(GameTest, SheetClickBeforeAnyRollDoesNothing) {
    TestTable table;
    Start(table, 2);
    table.ClickRow(CAT_CHANCE);
    EXPECT_EQ(table.Box(CAT_CHANCE).GetScore(), SCORE_EMPTY);
    EXPECT_EQ(table.GetCurPlayer(), 0);
    EXPECT_EQ(table.invalidations, 0);
    table.Roll();
    table.Click({300, 580}); // after a roll, a click on nothing does nothing
    EXPECT_EQ(table.invalidations, 1);
    EXPECT_EQ(table.GetRolls(), 1);
}

TEST_F(GameTest, ScoringClickEndsTheTurnWhetherOrNotItScores) {
    struct Case {
        const char* what;
        int row;
        int score; // of the clicked row afterwards
        bool filled;
    };
    const std::vector<Case> cases{{"open box that scores", CAT_CHANCE, 23, true},
                                  {"filled upper box", CAT_SIXES, 12, true},
                                  {"computed row", CAT_UPPER_TOTAL, 12, true},
                                  {"full house without one", CAT_FULL_HOUSE, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        support::ResetScoringState();
        TestTable table;
        Start(table, 2);
        table.ScoreTurn("6 6 1 2 3", CAT_SIXES); // Ann
        table.ScoreTurn("1 1 1 1 2", CAT_ONES);  // Bob
        table.invalidations = 0;
        table.Roll();
        table.Roll();
        table.SetDice("6 6 6 2 3");
        table.ClickDie(0);
        table.ClickDie(3);
        table.ClickRow(c.row);
        EXPECT_EQ(table.GetRolls(), 0);
        EXPECT_EQ(table.GetCurPlayer(), 1);
        EXPECT_EQ(Faces(table), (std::vector<int>{6, 6, 6, 2, 3}));
        for (int i = 0; i < NUM_DICE; ++i) {
            EXPECT_EQ(table.GetDie(i).GetRect(), HomeRect(i));
            EXPECT_NE(table.GetDie(i).GetState(), DIE_HELD);
        }
        EXPECT_EQ(table.BoxOf(0, c.row).GetScore(), c.score);
        EXPECT_EQ(table.BoxOf(0, c.row).IsFilled(), c.filled);
        EXPECT_EQ(table.BoxOf(0, CAT_SIXES).GetScore(), 12);
        EXPECT_EQ(table.invalidations, 2 + 2 + 2); // rolls, holds, end of turn and pass
        EXPECT_EQ(table.GetTotal(0).GetScore(), table.GetSheet(0)->GetGrandTotal());
    }
}

TEST_F(GameTest, NameBoxPassesTheTurnKeepingRollsAndHeldDice) {
    TestTable table;
    Start(table, 3);
    table.Roll();
    table.Roll();
    table.ClickDie(1);
    table.invalidations = 0;
    table.ClickName();
    EXPECT_EQ(table.GetCurPlayer(), 1);
    EXPECT_EQ(table.GetRolls(), 2);
    EXPECT_EQ(table.GetDie(1).GetState(), DIE_HELD);
    EXPECT_EQ(table.invalidations, 1);
    table.ClickRow(CAT_CHANCE); // Cy may score what Bob rolled
    EXPECT_TRUE(table.BoxOf(1, CAT_CHANCE).IsFilled());
    EXPECT_EQ(table.GetCurPlayer(), 2);
}

TEST_F(GameTest, TurnRotatesByPlayerCount) {
    const std::vector<std::vector<int>> expected{
        {0, 0, 0, 0, 0}, {1, 0, 1, 0, 1}, {1, 2, 0, 1, 2}, {1, 2, 3, 0, 1}};
    for (int players = 1; players <= MAX_PLAYERS; ++players) {
        SCOPED_TRACE(players);
        TestTable byName;
        TestTable byScoring;
        Start(byName, players);
        Start(byScoring, players);
        for (int current : expected[static_cast<std::size_t>(players - 1)]) {
            byName.ClickName();
            byScoring.ScoreTurn("1 2 3 4 6", CAT_CHANCE);
            EXPECT_EQ(byName.GetCurPlayer(), current);
            EXPECT_EQ(byScoring.GetCurPlayer(), current);
        }
    }
}

TEST_F(GameTest, RepeatedFiveOfAKindLetsTheSamePlayerScoreAgainWithoutRolling) {
    TestTable table;
    Start(table, 2);
    table.ScoreTurn("4 4 4 4 4", CAT_FIVE_KIND); // Ann: 50, turn passes
    table.ScoreTurn("4 4 4 4 4", CAT_FIVE_KIND); // Bob: 50, count 2
    EXPECT_EQ(table.GetCurPlayer(), 1);
    EXPECT_EQ(table.GetRolls(), 0);
    table.invalidations = 0;
    table.ClickRow(CAT_FIVE_KIND); // same dice, no roll: 100 more
    EXPECT_EQ(table.BoxOf(1, CAT_FIVE_KIND).GetScore(), 150);
    EXPECT_EQ(table.GetCurPlayer(), 1);
    EXPECT_EQ(table.invalidations, 1); // end of turn only, no pass
    table.ClickRow(3);
    EXPECT_EQ(table.BoxOf(1, 3).GetScore(), 20);
    EXPECT_EQ(table.GetCurPlayer(), 0); // a box other than Dorvanex ends it
    table.ClickRow(CAT_CHANCE);         // and the gate is shut again
    EXPECT_FALSE(table.BoxOf(0, CAT_CHANCE).IsFilled());
}

TEST_F(GameTest, PlayerAfterARepeatedFiveOfAKindInheritsTheJokerWithoutRolling) {
    TestTable table;
    Start(table, 2);
    table.ScoreTurn("3 3 3 3 3", CAT_FIVE_KIND); // Ann
    table.ScoreTurn("3 3 3 3 3", CAT_FIVE_KIND); // Bob keeps the turn
    table.ClickName();
    ASSERT_EQ(table.GetCurPlayer(), 0);
    table.ClickRow(CAT_LARGE_STRAIGHT);
    EXPECT_EQ(table.BoxOf(0, CAT_LARGE_STRAIGHT).GetScore(), 40);
}

TEST_F(GameTest, ContinuationEndsWhenNothingIsLeftToPlace) {
    TestTable table;
    Start(table, 2);
    // Bob fills every row that would keep him in the turn, and Fives.
    const std::vector<std::pair<int, const char*>> bobsRows{{CAT_THREE_KIND, "1 1 1 2 3"},
                                                            {CAT_FOUR_KIND, "1 1 1 1 3"},
                                                            {CAT_FULL_HOUSE, "1 1 2 2 2"},
                                                            {CAT_SMALL_STRAIGHT, "1 2 3 4 6"},
                                                            {CAT_LARGE_STRAIGHT, "1 2 3 4 5"},
                                                            {CAT_CHANCE, "1 1 1 1 1"},
                                                            {4, "5 5 1 1 1"}};
    for (const auto& [row, dice] : bobsRows) {
        table.ClickName();
        table.ScoreTurn(dice, row);
    }
    table.ScoreTurn("5 5 5 5 5", CAT_FIVE_KIND); // Ann: count 1
    table.ScoreTurn("5 5 5 5 5", CAT_FIVE_KIND); // Bob: count 2, nothing to place
    EXPECT_EQ(table.BoxOf(1, CAT_FIVE_KIND).GetScore(), 50);
    EXPECT_EQ(table.GetCurPlayer(), 0);
}
