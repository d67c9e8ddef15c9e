#include "game/ScoreSheet.h"

#include "game/ScoreSum.h"
#include "game/Scoring.h"

namespace {

constexpr const char* kDefaultSheetName = "Default Player";

struct RowLayout {
    const char* label;
    CRect rect;
};

// Rows are 20 px high, 25 px apart. Scoring rows are 30 px wide at x = 120,
// computed rows 50 px wide at x = 140.
constexpr std::array<RowLayout, NUM_CATEGORIES> kRows{{
    {"Ones", {120, 100, 150, 120}},
    {"Twos", {120, 125, 150, 145}},
    {"Threes", {120, 150, 150, 170}},
    {"Fours", {120, 175, 150, 195}},
    {"Fives", {120, 200, 150, 220}},
    {"Sixes", {120, 225, 150, 245}},
    {"Subtotal", {140, 250, 190, 270}},
    {"Bonus", {140, 275, 190, 295}},
    {"Upper Total", {140, 300, 190, 320}},
    {"Three of a Kind", {120, 325, 150, 345}},
    {"Four of a Kind", {120, 350, 150, 370}},
    {"Full House", {120, 375, 150, 395}},
    {"Small Straight", {120, 400, 150, 420}},
    {"Large Straight", {120, 425, 150, 445}},
    {"Dorvanex", {120, 450, 150, 470}},
    {"Chance", {120, 475, 150, 495}},
    {"Bottom Subtotal", {140, 500, 190, 520}},
    {"Grand Total", {140, 525, 190, 545}},
}};

constexpr int kBonusThreshold = 63;
constexpr int kBonusScore = 35;

// Combination rows that keep a repeated five of a kind's player in the turn
// while open.
constexpr std::array kContinuationRows{CAT_THREE_KIND,     CAT_FOUR_KIND,      CAT_FULL_HOUSE,
                                       CAT_SMALL_STRAIGHT, CAT_LARGE_STRAIGHT, CAT_CHANCE};

bool IsValidRow(int i) {
    return i >= 0 && i < NUM_CATEGORIES;
}

} // namespace

CScoreSheet::CScoreSheet() : m_strName(kDefaultSheetName) {
    for (int id = 0; id < NUM_CATEGORIES; ++id) {
        const RowLayout& row = kRows[static_cast<std::size_t>(id)];
        const bool computed = IsComputedRow(id);
        m_boxes[static_cast<std::size_t>(id)] =
            CScoreBox(row.label, id, row.rect.left, row.rect.top, row.rect.right, row.rect.bottom,
                      computed, computed ? 0 : SCORE_EMPTY);
    }
}

int CScoreSheet::HitTest(CPoint point) const {
    int result = -1;
    for (int i = 0; i < NUM_CATEGORIES; ++i) {
        if (m_boxes[static_cast<std::size_t>(i)].HitTest(point)) {
            result = i;
        }
    }
    return result;
}

void CScoreSheet::ScoreBox(int i, Dice dice) {
    if (!IsValidRow(i)) {
        return;
    }
    m_boxes[static_cast<std::size_t>(i)].Score(dice);
}

// An empty row counts as 0.
int CScoreSheet::Score(int id) const {
    const int score = m_boxes[static_cast<std::size_t>(id)].GetScore();
    return score == SCORE_EMPTY ? 0 : score;
}

void CScoreSheet::UpdateTotals() {
    int subtotal = 0;
    for (int id = CAT_ONES; id <= CAT_SIXES; ++id) {
        subtotal = AddScores(subtotal, Score(id));
    }
    const int bonus = subtotal >= kBonusThreshold ? kBonusScore : 0;
    const int upperTotal = AddScores(bonus, subtotal);

    int bottomSubtotal = 0;
    for (int id = CAT_THREE_KIND; id <= CAT_CHANCE; ++id) {
        bottomSubtotal = AddScores(bottomSubtotal, Score(id));
    }

    m_boxes[CAT_SUBTOTAL].SetScore(subtotal);
    m_boxes[CAT_BONUS].SetScore(bonus);
    m_boxes[CAT_UPPER_TOTAL].SetScore(upperTotal);
    m_boxes[CAT_BOTTOM_SUBTOTAL].SetScore(bottomSubtotal);
    m_boxes[CAT_GRAND_TOTAL].SetScore(AddScores(bottomSubtotal, upperTotal));
}

int CScoreSheet::GetGrandTotal() const {
    return m_boxes[CAT_GRAND_TOTAL].GetScore();
}

bool CScoreSheet::MustContinue(Dice dice) const {
    for (int id : kContinuationRows) {
        if (!m_boxes[static_cast<std::size_t>(id)].IsFilled()) {
            return true;
        }
    }
    const int upperRow = dice[0].GetValue() - 1;
    return upperRow >= CAT_ONES && upperRow <= CAT_SIXES &&
           !m_boxes[static_cast<std::size_t>(upperRow)].IsFilled();
}

bool CScoreSheet::LastWasFiveKind() const {
    return IsLastCategoryFiveKind();
}

bool CScoreSheet::FiveKindRepeated() const {
    return GetFiveKindCount() > 1;
}
