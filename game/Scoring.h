#pragma once

// The program-wide scoring state, one for the whole run and shared by every
// player's sheet: the six face counters, the id of the box that scored last
// on any sheet, and the number of five-of-a-kind results scored by anyone.
// The rules that use them are CScoreBox::Score (Scoring.cpp).

// The last-category value before anything has scored; no rule ever sets it.
inline constexpr int LAST_CATEGORY_NONE = 16;

// Clears the six face counters; called after every scoring attempt.
void ResetFaceCounts();
// Counts one die showing face k + 1; k outside 0..5 is ignored.
void CountFace(int k);
// Dice counted with face k + 1 in the running attempt; 0 for k outside 0..5.
int GetFaceCount(int k);
// True when the box that scored last, on any sheet, is the five-of-a-kind box.
bool IsLastCategoryFiveKind();
int GetLastCategory();
int GetFiveKindCount();

// Puts the three program-wide values back to their start values. Only tests
// call this; the game itself never restarts.
void ResetScoringStateForTesting();
