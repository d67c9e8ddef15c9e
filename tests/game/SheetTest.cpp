// Score sheet: layout, hit tests, totals and the continuation test.
#include "TestTable.h"

#include "game/Categories.h"
#include "game/ScoreSheet.h"

#include <array>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// One attempt straight on a sheet, clearing the face counters as the turn does.
void Score(CScoreSheet& sheet, int row, const std::string& faces) {
    const auto dice = support::DiceFromText(faces);
    sheet.ScoreBox(row, dice);
    ResetFaceCounts();
}

// A sheet whose five-of-a-kind box already holds the given score, as after
// that many repeats within one continuation.
class FiveKindSheet : public CScoreSheet {
public:
    explicit FiveKindSheet(int score) { m_boxes[CAT_FIVE_KIND].SetScore(score); }
};

} // namespace

TEST_F(GameTest, NewSheetHasEmptyScoringRowsAndZeroTotals) {
    CScoreSheet sheet;
    EXPECT_EQ(sheet.GetBox(CAT_FIVE_KIND).GetLabel(), "Dorvanex");
    EXPECT_EQ(sheet.GetBox(CAT_GRAND_TOTAL).GetLabel(), "Grand Total");
    sheet.UpdateTotals();
    for (int i = 0; i < NUM_CATEGORIES; ++i) {
        const CScoreBox& box = sheet.GetBox(i);
        EXPECT_EQ(box.GetScore(), IsComputedRow(i) ? 0 : SCORE_EMPTY) << i;
        EXPECT_EQ(box.IsFilled(), IsComputedRow(i)) << i;
        // Rows 25 px apart and 20 high from y = 100; computed rows wider and
        // further right.
        const int top = 100 + 25 * i;
        const CRect rect =
            IsComputedRow(i) ? CRect{140, top, 190, top + 20} : CRect{120, top, 150, top + 20};
        EXPECT_EQ(box.GetRect(), rect) << i;
    }
    EXPECT_EQ(sheet.GetGrandTotal(), 0);
}

TEST_F(GameTest, SheetHitTestUsesHalfOpenRows) {
    const CScoreSheet sheet;
    const std::vector<std::pair<CPoint, int>> cases{
        {{149, 119}, 0},  {{120, 100}, 0},  {{150, 110}, -1}, {{130, 247}, -1},
        {{145, 250}, 6},  {{185, 280}, 7},  {{189, 544}, 17}, {{190, 530}, -1},
        {{130, 460}, 14}, {{119, 110}, -1}, {{135, 120}, -1}, {{135, 495}, -1},
    };
    for (const auto& [point, row] : cases) {
        EXPECT_EQ(sheet.HitTest(point), row) << point.x << "," << point.y;
    }
}

TEST_F(GameTest, ScoreBoxOutsideTheRowsChangesNothing) {
    CScoreSheet sheet;
    const CScoreSheet fresh;
    const auto dice = support::DiceFromText("5 5 5 5 5");
    for (int i : {-1, 18, -1000, 1000}) {
        sheet.ScoreBox(i, dice);
    }
    for (int i = 0; i < NUM_CATEGORIES; ++i) {
        EXPECT_EQ(sheet.GetBox(i).GetScore(), fresh.GetBox(i).GetScore());
        EXPECT_EQ(sheet.GetBox(i).IsFilled(), fresh.GetBox(i).IsFilled());
    }
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(GetFaceCount(k), 0);
    }
    EXPECT_EQ(g_nLastCategory, LAST_CATEGORY_NONE);
}

TEST_F(GameTest, UpperBonusNeedsSixtyThree) {
    struct Case {
        std::vector<std::pair<int, const char*>> turns;
        int subtotal, bonus, upper;
    };
    const std::vector<Case> cases{
        {{{0, "1 1 1 2 2"},
          {1, "2 2 2 1 1"},
          {2, "3 3 3 1 1"},
          {3, "4 4 4 1 1"},
          {4, "5 5 5 1 1"},
          {5, "6 6 6 1 1"}},
         63,
         35,
         98},
        {{{0, "1 1 2 2 2"},
          {1, "2 2 2 1 1"},
          {2, "3 3 3 1 1"},
          {3, "4 4 4 1 1"},
          {4, "5 5 5 1 1"},
          {5, "6 6 6 1 1"}},
         62,
         0,
         62},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subtotal);
        TestTable table;
        Start(table, 1);
        for (const auto& [row, dice] : c.turns) {
            table.ScoreTurn(dice, row);
        }
        EXPECT_EQ(table.Box(CAT_SUBTOTAL).GetScore(), c.subtotal);
        EXPECT_EQ(table.Box(CAT_BONUS).GetScore(), c.bonus);
        EXPECT_EQ(table.Box(CAT_UPPER_TOTAL).GetScore(), c.upper);
        EXPECT_EQ(table.GetTotal(0).GetScore(), c.upper);
    }
}

TEST_F(GameTest, BottomTotalsCountDorvanexAndFailedAttemptsAsTheyStand) {
    TestTable table;
    Start(table, 1);
    table.ScoreTurn("2 2 2 2 2", CAT_FIVE_KIND);
    table.ScoreTurn("2 2 2 2 2", CAT_FIVE_KIND); // 150, and a continuation
    table.ScoreTurn("6 6 6 1 1", CAT_THREE_KIND);
    table.ScoreTurn("1 2 3 5 5", CAT_FOUR_KIND); // fails: 0, open
    table.ScoreTurn("2 2 3 3 3", CAT_FULL_HOUSE);
    table.ScoreTurn("1 1 3 5 6", 1);
    EXPECT_EQ(table.Box(CAT_BOTTOM_SUBTOTAL).GetScore(), 20 + 25 + 150);
    EXPECT_EQ(table.Box(CAT_UPPER_TOTAL).GetScore(), 0);
    EXPECT_EQ(table.Box(CAT_GRAND_TOTAL).GetScore(), 195);
    EXPECT_EQ(table.GetTotal(0).GetScore(), 195);
}

// The faces of an attempt stay counted until the turn clears them; faces
// outside 0..5 are neither counted nor read.
TEST_F(GameTest, FaceCountsHoldTheLastAttemptOnly) {
    CScoreSheet sheet;
    sheet.ScoreBox(CAT_CHANCE, support::DiceFromText("6 1 3 1 6"));
    const std::array<int, 6> expected{2, 0, 1, 0, 0, 2};
    CountFace(-1);
    CountFace(6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(GetFaceCount(k), expected[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(GetFaceCount(-1), 0);
    EXPECT_EQ(GetFaceCount(6), 0);
}

// Only the upper and combination rows have a rule; any other box ignores
// the dice and leaves the last category alone.
TEST_F(GameTest, BoxWithNoRuleIgnoresTheDice) {
    const auto dice = support::DiceFromText("6 6 6 6 6");
    for (int id : {CAT_SUBTOTAL, CAT_BONUS, CAT_UPPER_TOTAL, CAT_BOTTOM_SUBTOTAL, CAT_GRAND_TOTAL,
                   NUM_CATEGORIES, -1}) {
        SCOPED_TRACE(id);
        CScoreBox box("Row", id, 0, 0, 10, 10, false, SCORE_EMPTY);
        box.Score(dice);
        ResetFaceCounts();
        EXPECT_EQ(box.GetScore(), -1);
        EXPECT_FALSE(box.IsFilled());
        EXPECT_EQ(g_nLastCategory, LAST_CATEGORY_NONE);
    }
}

// Die 0's face picks the upper row that keeps the turn going, at either end.
TEST_F(GameTest, MustContinueReadsDieZerosRowForEveryFace) {
    CScoreSheet sheet;
    Score(sheet, CAT_THREE_KIND, "1 1 1 1 1");
    Score(sheet, CAT_FOUR_KIND, "1 1 1 1 1");
    Score(sheet, CAT_FULL_HOUSE, "2 2 3 3 3");
    Score(sheet, CAT_SMALL_STRAIGHT, "1 2 3 4 5");
    Score(sheet, CAT_LARGE_STRAIGHT, "1 2 3 4 5");
    Score(sheet, CAT_CHANCE, "1 1 1 1 1");
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const auto dice = support::DiceFromText(std::to_string(face) + " 1 1 1 1");
        EXPECT_TRUE(sheet.MustContinue(dice));
        Score(sheet, face - 1, "1 1 1 1 1");
        EXPECT_FALSE(sheet.MustContinue(dice));
    }
}

TEST_F(GameTest, MustContinueReadsTheCombinationRowsAndDieZerosUpperRow) {
    CScoreSheet sheet;
    const auto fours = support::DiceFromText("4 1 1 1 1");
    EXPECT_TRUE(sheet.MustContinue(fours));
    Score(sheet, CAT_THREE_KIND, "1 1 1 1 1");
    Score(sheet, CAT_FOUR_KIND, "1 1 1 1 1");
    Score(sheet, CAT_FULL_HOUSE, "2 2 3 3 3");
    Score(sheet, CAT_SMALL_STRAIGHT, "1 2 3 4 5");
    Score(sheet, CAT_LARGE_STRAIGHT, "1 2 3 4 5");
    EXPECT_TRUE(sheet.MustContinue(fours)); // Chance still open
    Score(sheet, CAT_CHANCE, "1 1 1 1 1");
    EXPECT_TRUE(sheet.MustContinue(fours)); // Fours open
    for (int row : {0, 1, 2, 4, 5}) {
        Score(sheet, row, "1 1 1 1 1");
    }
    EXPECT_TRUE(sheet.MustContinue(fours)); // only die 0's row counts
    EXPECT_FALSE(sheet.MustContinue(support::DiceFromText("1 4 4 4 4")));
    Score(sheet, 3, "4 4 4 4 4");
    EXPECT_FALSE(sheet.MustContinue(fours));
}

// Scoring five of a kind again and again in one turn never wraps a score round.
TEST_F(GameTest, RepeatedFiveOfAKindStopsAtTheLargestScore) {
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        int before, box, bottom, grand;
    };
    const std::vector<Case> cases{
        {kMax - 200, kMax - 100, kMax - 70, kMax - 40},
        {kMax - 100, kMax, kMax, kMax},
        {kMax - 99, kMax, kMax, kMax},
        {kMax, kMax, kMax, kMax},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        FiveKindSheet sheet(c.before);
        Score(sheet, CAT_SIXES, "6 6 6 6 6");
        Score(sheet, CAT_CHANCE, "6 6 6 6 6");
        Score(sheet, CAT_FIVE_KIND, "6 6 6 6 6");
        sheet.UpdateTotals();
        EXPECT_EQ(sheet.GetBox(CAT_FIVE_KIND).GetScore(), c.box);
        EXPECT_EQ(sheet.GetBox(CAT_UPPER_TOTAL).GetScore(), 30);
        EXPECT_EQ(sheet.GetBox(CAT_BOTTOM_SUBTOTAL).GetScore(), c.bottom);
        EXPECT_EQ(sheet.GetGrandTotal(), c.grand);
    }
}
