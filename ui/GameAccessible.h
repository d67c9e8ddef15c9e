#pragma once

// The game window for screen readers. Qt's accessibility framework gets the
// painted parts of the window as objects of their own: the title band, the
// five dice, the roll box, the name box, the current player's score sheet
// and the totals list, each named with what it shows and placed where it is
// painted. The dice, the two boxes and the sheet's rows can be operated;
// their actions go through the same table operations as the mouse, so every
// rule and refusal holds for them too.

class CGameFrame;

// Lets Qt build these objects for the game window whenever an assistive
// technology asks for them; until one does, nothing else is built. Needs the
// Qt application; call once.
void InstallGameAccessibility();

// Called on every change of the game's state. While an assistive technology
// listens, the parts whose name or state changed report it, once the
// operation in hand has finished; otherwise it does nothing.
void GameStateChanged(const CGameFrame& frame);
