#pragma once

// Row ids of a score sheet. A row's id is also its index on the sheet and
// selects its scoring rule.

inline constexpr int CAT_ONES = 0;
inline constexpr int CAT_SIXES = 5;
inline constexpr int CAT_SUBTOTAL = 6;
inline constexpr int CAT_BONUS = 7;
inline constexpr int CAT_UPPER_TOTAL = 8;
inline constexpr int CAT_THREE_KIND = 9;
inline constexpr int CAT_FOUR_KIND = 10;
inline constexpr int CAT_FULL_HOUSE = 11;
inline constexpr int CAT_SMALL_STRAIGHT = 12;
inline constexpr int CAT_LARGE_STRAIGHT = 13;
inline constexpr int CAT_FIVE_KIND = 14; // the "Dorvanex" box
inline constexpr int CAT_CHANCE = 15;
inline constexpr int CAT_BOTTOM_SUBTOTAL = 16;
inline constexpr int CAT_GRAND_TOTAL = 17;

inline constexpr int NUM_CATEGORIES = 18;

// The score of a box that holds nothing yet; totals count it as 0.
inline constexpr int SCORE_EMPTY = -1;

constexpr bool IsComputedRow(int id) {
    return id == CAT_SUBTOTAL || id == CAT_BONUS || id == CAT_UPPER_TOTAL ||
           id == CAT_BOTTOM_SUBTOTAL || id == CAT_GRAND_TOTAL;
}
