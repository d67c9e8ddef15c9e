#pragma once

// Plays the game through its window: mouse presses sent to the main
// window's widget, as the window system would deliver them, each followed
// by the repaint it asked for.

#include "game/Geometry.h"

#include <Qt>

class CGameFrame;
class QWidget;

namespace bench {

// A press, a release, or both, of the button at a client point.
void SendPress(QWidget* widget, Qt::MouseButton button, CPoint at);
void SendRelease(QWidget* widget, Qt::MouseButton button, CPoint at);
void SendClick(QWidget* widget, Qt::MouseButton button, CPoint at);
// Delivers the repaints waiting in the event queue.
void DeliverRepaints();
// One turn of the plan in TurnPlan.h, each press followed by its repaint.
void PlayTurn(CGameFrame& frame);

} // namespace bench
