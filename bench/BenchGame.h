#pragma once

// The game's main window for the offscreen benchmarks: four players named
// through the real player-entry dialog, a round already played so the
// sheets and totals hold numbers, shown and painted.

class CGameFrame;

namespace bench {

// The application's main window; support::CloseGame closes it. nRepeat as
// for AnswerFourPlayers.
CGameFrame* MakeFourPlayerGame(int nRepeat = 1);

} // namespace bench
