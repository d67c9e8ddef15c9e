#pragma once

// Answers the open player-entry dialog for four players the way a person
// does: ticks the four boxes, types the names, presses Enter. The Enter key
// is posted, so it arrives through the event loop like a real key press.

class CDialog;

namespace bench {

// The names the benchmarks play with.
inline constexpr const char* kPlayerNames[4] = {"Ann", "Bob", "Cyd", "Dee"};

// Each name is typed nRepeat times over, of which its field keeps what
// fits. Returns false, pressing nothing, when the dialog lacks the
// player-entry dialog's controls.
bool AnswerFourPlayers(CDialog& dlg, int nRepeat = 1);

} // namespace bench
