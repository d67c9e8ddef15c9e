// The category rules, each case one whole turn: roll, dice forced, click on the row.
#include "TestTable.h"

#include "game/Categories.h"

#include <string>
#include <utility>
#include <vector>

namespace {

struct RuleCase {
    const char* dice;
    int row;
    int score;
    bool filled;
    int lastCategory; // afterwards; LAST_CATEGORY_NONE when nothing scored
};

const std::vector<RuleCase> RULE_CASES{
    {"2 3 4 5 6", CAT_ONES, 0, true, CAT_ONES},
    {"1 4 1 3 1", CAT_ONES, 3, true, CAT_ONES},
    {"2 2 5 2 2", 1, 8, true, 1},
    {"3 1 1 1 1", 2, 3, true, 2},
    {"4 4 6 6 6", 3, 8, true, 3},
    {"5 5 5 5 5", 4, 25, true, 4},
    {"6 6 6 1 6", CAT_SIXES, 24, true, CAT_SIXES},
    {"2 2 3 4 5", CAT_THREE_KIND, 0, false, LAST_CATEGORY_NONE},
    {"6 6 6 1 2", CAT_THREE_KIND, 21, true, CAT_THREE_KIND},
    {"4 4 4 4 1", CAT_THREE_KIND, 17, true, CAT_THREE_KIND},
    {"5 5 5 5 5", CAT_FOUR_KIND, 25, true, CAT_FOUR_KIND},
    {"2 2 2 1 3", CAT_FOUR_KIND, 0, false, LAST_CATEGORY_NONE},
    {"2 2 3 3 3", CAT_FOUR_KIND, 0, false, LAST_CATEGORY_NONE},
    {"2 2 3 3 3", CAT_FULL_HOUSE, 25, true, CAT_FULL_HOUSE},
    {"2 2 2 2 3", CAT_FULL_HOUSE, 0, false, LAST_CATEGORY_NONE},
    {"3 3 3 3 3", CAT_FULL_HOUSE, 0, false, LAST_CATEGORY_NONE},
    {"2 2 3 3 5", CAT_FULL_HOUSE, 0, false, LAST_CATEGORY_NONE},
    {"1 2 3 4 6", CAT_FULL_HOUSE, 0, false, LAST_CATEGORY_NONE},
    {"1 2 3 4 6", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"1 3 4 5 6", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"2 3 4 5 5", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"6 4 3 5 3", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"5 4 3 2 1", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"2 3 4 5 6", CAT_SMALL_STRAIGHT, 30, true, CAT_SMALL_STRAIGHT},
    {"1 2 3 5 6", CAT_SMALL_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"2 3 4 6 6", CAT_SMALL_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 2 4 5 6", CAT_SMALL_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 3 4 5 5", CAT_SMALL_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 3 4 6 6", CAT_SMALL_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 2 3 4 5", CAT_LARGE_STRAIGHT, 40, true, CAT_LARGE_STRAIGHT},
    {"6 5 4 3 2", CAT_LARGE_STRAIGHT, 40, true, CAT_LARGE_STRAIGHT},
    {"1 2 3 4 6", CAT_LARGE_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 3 4 5 6", CAT_LARGE_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"1 2 4 5 6", CAT_LARGE_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"2 3 4 5 5", CAT_LARGE_STRAIGHT, 0, false, LAST_CATEGORY_NONE},
    {"6 6 6 6 6", CAT_CHANCE, 30, true, CAT_CHANCE},
    {"1 2 3 4 6", CAT_CHANCE, 16, true, CAT_CHANCE},
    {"1 2 3 4 5", CAT_FIVE_KIND, 0, false, LAST_CATEGORY_NONE},
    {"4 4 4 4 4", CAT_FIVE_KIND, 50, false, CAT_FIVE_KIND},
    {"4 4 4 4 4", CAT_SUBTOTAL, 0, true, LAST_CATEGORY_NONE},
    {"4 4 4 4 4", CAT_BONUS, 0, true, LAST_CATEGORY_NONE},
    {"4 4 4 4 4", CAT_UPPER_TOTAL, 0, true, LAST_CATEGORY_NONE},
    {"4 4 4 4 4", CAT_BOTTOM_SUBTOTAL, 0, true, LAST_CATEGORY_NONE},
    {"4 4 4 4 4", CAT_GRAND_TOTAL, 0, true, LAST_CATEGORY_NONE},
};

} // namespace

TEST_F(GameTest, EachCategoryRuleScoresOneTurn) {
    for (const RuleCase& c : RULE_CASES) {
        SCOPED_TRACE(std::string(c.dice) + " on row " + std::to_string(c.row));
        support::ResetScoringState();
        TestTable table;
        Start(table, 1);
        table.ScoreTurn(c.dice, c.row);
        EXPECT_EQ(table.Box(c.row).GetScore(), c.score);
        EXPECT_EQ(table.Box(c.row).IsFilled(), c.filled);
        EXPECT_EQ(g_nLastCategory, c.lastCategory);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(GetFaceCount(k), 0);
        }
    }
}

TEST_F(GameTest, FailedCombinationShowsZeroAndStaysOpenForALaterScore) {
    TestTable table;
    Start(table, 1);
    table.ScoreTurn("2 2 3 4 5", CAT_THREE_KIND);
    EXPECT_EQ(table.Box(CAT_THREE_KIND).GetScore(), 0);
    EXPECT_FALSE(table.Box(CAT_THREE_KIND).IsFilled());
    EXPECT_EQ(table.GetTotal(0).GetScore(), 0);
    table.ScoreTurn("6 6 6 1 2", CAT_THREE_KIND);
    EXPECT_EQ(table.Box(CAT_THREE_KIND).GetScore(), 21);
    EXPECT_TRUE(table.Box(CAT_THREE_KIND).IsFilled());
}

TEST_F(GameTest, FilledBoxKeepsScoreAndLastCategory) {
    TestTable table;
    Start(table, 1);
    table.ScoreTurn("6 6 2 3 4", CAT_SIXES);
    table.ScoreTurn("1 1 1 1 1", CAT_FIVE_KIND);
    table.ScoreTurn("6 6 6 6 6", CAT_SIXES);
    EXPECT_EQ(table.Box(CAT_SIXES).GetScore(), 12);
    EXPECT_EQ(g_nLastCategory, CAT_FIVE_KIND);
}

TEST_F(GameTest, DorvanexBoxPaysFiftyThenAHundredMoreAndNeverCloses) {
    TestTable table;
    Start(table, 1);
    table.ScoreTurn("1 2 3 4 5", CAT_FIVE_KIND); // a failed attempt turns -1 into 0
    EXPECT_EQ(table.Box(CAT_FIVE_KIND).GetScore(), 0);
    for (int expected : {50, 150, 250}) {
        table.ScoreTurn("3 3 3 3 3", CAT_FIVE_KIND);
        EXPECT_EQ(table.Box(CAT_FIVE_KIND).GetScore(), expected);
        EXPECT_FALSE(table.Box(CAT_FIVE_KIND).IsFilled());
    }
    EXPECT_EQ(GetFiveKindCount(), 3);
    table.ScoreTurn("3 3 3 3 2", CAT_FIVE_KIND);
    EXPECT_EQ(table.Box(CAT_FIVE_KIND).GetScore(), 250);
    EXPECT_EQ(GetFiveKindCount(), 3);
}

// The last category and the five-of-a-kind count are shared by all players.
TEST_F(GameTest, JokerFollowsTheSecondFiveOfAKindWhoeverScoredIt) {
    TestTable table;
    Start(table, 2);
    table.ScoreTurn("2 2 2 2 2", CAT_FIVE_KIND); // Ann: 50, count 1, no joker
    EXPECT_EQ(table.BoxOf(0, CAT_FIVE_KIND).GetScore(), 50);
    ASSERT_EQ(table.GetCurPlayer(), 1);
    table.ScoreTurn("1 2 3 5 6", CAT_FULL_HOUSE); // Bob: last is 14, count 1: no joker
    EXPECT_FALSE(table.BoxOf(1, CAT_FULL_HOUSE).IsFilled());
    table.ScoreTurn("2 2 2 2 1", CAT_ONES);      // Ann
    table.ScoreTurn("5 5 5 5 5", CAT_FIVE_KIND); // Bob: count 2, joker
    EXPECT_EQ(table.BoxOf(1, CAT_FIVE_KIND).GetScore(), 50);
    EXPECT_EQ(GetFiveKindCount(), 2);
    ASSERT_EQ(table.GetCurPlayer(), 1); // continuation keeps Bob
    table.ScoreTurn("1 2 3 5 6", CAT_FULL_HOUSE);
    EXPECT_EQ(table.BoxOf(1, CAT_FULL_HOUSE).GetScore(), 25);
    EXPECT_EQ(g_nLastCategory, CAT_FULL_HOUSE);
    EXPECT_EQ(table.GetCurPlayer(), 0);
    table.ScoreTurn("1 2 3 5 6", CAT_LARGE_STRAIGHT); // joker gone
    EXPECT_FALSE(table.BoxOf(0, CAT_LARGE_STRAIGHT).IsFilled());
}

// The joker stands in for the straights and the full house only.
TEST_F(GameTest, JokerScoresEveryStraightAndFullHouseWithAnyDice) {
    const std::vector<std::pair<int, int>> scores{{CAT_FULL_HOUSE, 25},
                                                  {CAT_SMALL_STRAIGHT, 30},
                                                  {CAT_LARGE_STRAIGHT, 40},
                                                  {CAT_THREE_KIND, 0},
                                                  {CAT_FOUR_KIND, 0}};
    for (const auto& [row, score] : scores) {
        SCOPED_TRACE(row);
        support::ResetScoringState();
        TestTable table;
        Start(table, 1);
        table.ScoreTurn("6 6 6 6 6", CAT_FIVE_KIND);
        table.ScoreTurn("6 6 6 6 6", CAT_FIVE_KIND);
        table.ScoreTurn("1 1 6 6 4", row);
        EXPECT_EQ(table.Box(row).IsFilled(), score > 0);
        EXPECT_EQ(table.Box(row).GetScore(), score);
    }
}
