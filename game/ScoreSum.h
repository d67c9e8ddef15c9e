#pragma once

#include <algorithm>
#include <limits>

// Scores are never negative once counted, but the five-of-a-kind box can be
// scored again and again within one turn, so a sum of scores could pass the
// largest int. Sums stop there instead of wrapping round.
constexpr int AddScores(int a, int b) {
    constexpr long long MAX_SCORE = std::numeric_limits<int>::max();
    constexpr long long MIN_SCORE = std::numeric_limits<int>::min();
    return static_cast<int>(std::clamp(static_cast<long long>(a) + b, MIN_SCORE, MAX_SCORE));
}
