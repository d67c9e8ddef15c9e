#pragma once

// Plays the game through its windows as a person would: answers the
// player-entry dialog, then sends mouse presses to the main window's widget,
// as the window system would deliver them, each followed by the repaint it
// asked for.

#include "game/Geometry.h"

#include <Qt>

class CDialog;
class CGameFrame;
class QWidget;

namespace bench {

// The names the benchmarks play with.
inline constexpr const char* kPlayerNames[4] = {"Ann", "Bob", "Cyd", "Dee"};

// Ticks the four boxes, types the names, each nRepeat times
// over (the field keeps what fits), and presses Enter. The key is posted, so
// it arrives through the event loop like a real key press. Returns false,
// pressing nothing, when the dialog lacks the player-entry dialog's controls.
bool AnswerFourPlayers(CDialog& dlg, int nRepeat = 1);

// A press or a release of the button at a client point.
void SendPress(QWidget* widget, Qt::MouseButton button, CPoint at);
void SendRelease(QWidget* widget, Qt::MouseButton button, CPoint at);
// Delivers the repaints waiting in the event queue.
void DeliverRepaints();
// One turn of the plan in TurnPlan.h, each press followed by its repaint.
void PlayTurn(CGameFrame& frame);

} // namespace bench
