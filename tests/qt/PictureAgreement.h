#pragma once

// Reads a recorded full repaint of the main window back against the game's
// state: every die face, every row of the current sheet, the roll counter,
// the current name and each named player's total stand where they belong
// with the text the state gives them, and nothing else is drawn. Unlike an
// element-by-element comparison it does not fix the drawing order, so it
// can be run after any sequence of events.

#include "platform/DrawRecord.h"

#include <string>
#include <vector>

class CGameFrame;

// An empty string when the picture agrees with the state, else the first
// disagreement found.
std::string PictureDisagreement(const std::vector<DrawOp>& ops, const CGameFrame& game);
