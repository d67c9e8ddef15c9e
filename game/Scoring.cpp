#include "game/Scoring.h"

#include "game/Categories.h"
#include "game/ScoreBox.h"
#include "game/ScoreSum.h"

#include <algorithm>
#include <array>
#include <limits>

std::array<int, NUM_FACES> g_nFaceCount{};
int g_nLastCategory = LAST_CATEGORY_NONE;
int g_nFiveKindCount = 0;

namespace {

constexpr int kFullHouseScore = 25;
constexpr int kSmallStraightScore = 30;
constexpr int kLargeStraightScore = 40;
constexpr int kFiveKindFirstScore = 50;
constexpr int kFiveKindRepeatBonus = 100;

// Dice showing the face (1..6) in the running attempt.
int DiceShowing(int face) {
    return GetFaceCount(face - 1);
}

bool Shows(int face) {
    return DiceShowing(face) >= 1;
}

bool SomeCountAtLeast(int n) {
    return std::ranges::any_of(g_nFaceCount, [n](int count) { return count >= n; });
}

bool SomeCountExactly(int n) {
    return std::ranges::find(g_nFaceCount, n) != g_nFaceCount.end();
}

bool IsFullHouse() {
    return SomeCountExactly(3) && SomeCountExactly(2);
}

// 1-2-3-4, 2-3-4-5 or 3-4-5-6 among the faces.
bool IsSmallStraight() {
    if (!Shows(3) || !Shows(4)) {
        return false;
    }
    if (Shows(2)) {
        return Shows(1) || Shows(5);
    }
    return Shows(5) && Shows(6);
}

// 1-2-3-4-5 or 2-3-4-5-6.
bool IsLargeStraight() {
    return Shows(2) && Shows(3) && Shows(4) && Shows(5) && (Shows(1) || Shows(6));
}

// After a repeated five of a kind, while nothing else has scored since, the
// straights and the full house score with any dice.
bool JokerHolds() {
    return g_nLastCategory == CAT_FIVE_KIND && g_nFiveKindCount > 1;
}

int SumOfFaces(Dice dice) {
    int sum = 0;
    for (const CDie& die : dice) {
        sum += die.GetValue();
    }
    return sum;
}

int WeightedCountSum() {
    int sum = 0;
    for (int face = 1; face <= NUM_FACES; ++face) {
        sum += face * DiceShowing(face);
    }
    return sum;
}

} // namespace

void ResetFaceCounts() {
    g_nFaceCount.fill(0);
}

void CountFace(int k) {
    if (k >= 0 && k < NUM_FACES) {
        ++g_nFaceCount[static_cast<std::size_t>(k)];
    }
}

int GetFaceCount(int k) {
    if (k < 0 || k >= NUM_FACES) {
        return 0;
    }
    return g_nFaceCount[static_cast<std::size_t>(k)];
}

bool IsLastCategoryFiveKind() {
    return g_nLastCategory == CAT_FIVE_KIND;
}

int GetFiveKindCount() {
    return g_nFiveKindCount;
}

void CScoreBox::Score(Dice dice) {
    for (const CDie& die : dice) {
        CountFace(die.GetValue() - 1);
    }

    switch (m_nId) {
    case CAT_THREE_KIND:
        ScoreCombination(SomeCountAtLeast(3), SumOfFaces(dice));
        break;
    case CAT_FOUR_KIND:
        ScoreCombination(SomeCountAtLeast(4), SumOfFaces(dice));
        break;
    case CAT_FULL_HOUSE:
        ScoreCombination(IsFullHouse() || JokerHolds(), kFullHouseScore);
        break;
    case CAT_SMALL_STRAIGHT:
        ScoreCombination(IsSmallStraight() || JokerHolds(), kSmallStraightScore);
        break;
    case CAT_LARGE_STRAIGHT:
        ScoreCombination(IsLargeStraight() || JokerHolds(), kLargeStraightScore);
        break;
    case CAT_FIVE_KIND:
        ScoreFiveKind(SomeCountExactly(5));
        break;
    case CAT_CHANCE:
        ScoreCombination(true, WeightedCountSum());
        break;
    default:
        if (m_nId >= CAT_ONES && m_nId <= CAT_SIXES) {
            ScoreUpper();
        }
        // The computed rows and unknown ids have no rule.
        break;
    }
}

void CScoreBox::ScoreUpper() {
    if (m_bFilled) {
        return;
    }
    const int face = m_nId + 1;
    m_nScore = DiceShowing(face) * face;
    m_bFilled = true;
    g_nLastCategory = m_nId;
}

// A failed attempt on an open box leaves 0 showing and the box open.
void CScoreBox::ScoreCombination(bool qualifies, int score) {
    if (m_bFilled) {
        return;
    }
    m_nScore = 0;
    if (!qualifies) {
        return;
    }
    m_nScore = score;
    m_bFilled = true;
    g_nLastCategory = m_nId;
}

// The five-of-a-kind box never closes: 50 the first time, 100 more each time after.
void CScoreBox::ScoreFiveKind(bool qualifies) {
    if (m_nScore == SCORE_EMPTY) {
        m_nScore = 0;
    }
    if (!qualifies) {
        return;
    }
    m_nScore = (m_nScore == 0) ? kFiveKindFirstScore : AddScores(m_nScore, kFiveKindRepeatBonus);
    // Only "more than one" is ever asked of the count, so it may stop growing.
    if (g_nFiveKindCount < std::numeric_limits<int>::max()) {
        ++g_nFiveKindCount;
    }
    g_nLastCategory = CAT_FIVE_KIND;
}
