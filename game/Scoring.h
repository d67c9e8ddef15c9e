#pragma once

// The program-wide scoring state, one for the whole run and shared by every
// player's sheet: the six face counters, the id of the box that scored last
// on any sheet, and the number of five-of-a-kind results scored by anyone.
// The rules that use them are CScoreBox::Score (Scoring.cpp).

#include <array>

inline constexpr int NUM_FACES = 6;
// The last-category value before anything has scored; no rule ever sets it.
inline constexpr int LAST_CATEGORY_NONE = 16;

// Dice showing face k + 1, counted at the start of a scoring attempt and
// cleared after it; 0 whenever no attempt is running.
extern std::array<int, NUM_FACES> g_nFaceCount;
// The id of the box that scored last, on any sheet; LAST_CATEGORY_NONE at start.
extern int g_nLastCategory;
// Five-of-a-kind results scored by all players together; it only grows.
extern int g_nFiveKindCount;

// Clears the six face counters; called after every scoring attempt.
void ResetFaceCounts();
// Counts one die showing face k + 1; k outside 0..5 is ignored.
void CountFace(int k);
// Dice counted with face k + 1 in the running attempt; 0 for k outside 0..5.
int GetFaceCount(int k);
// True when the box that scored last, on any sheet, is the five-of-a-kind box.
bool IsLastCategoryFiveKind();
int GetFiveKindCount();
