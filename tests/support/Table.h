#pragma once

// Set-ups in the game's own terms, for the tests, the benchmarks and the
// screenshot tool: dice written as text and the middle of a rectangle.

#include "game/Die.h"
#include "game/GameTable.h"
#include "game/Geometry.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"

#include <array>
#include <span>
#include <sstream>
#include <string>

namespace support {

// Gives the die a face from 1 to 6; any other value leaves the face it had.
// The game sets faces only by rolling, so the face is reached as a fixture
// does, through a pointer to the die's member taken in a derived class.
inline void SetFace(CDie& die, int face) {
    struct Access : CDie {
        static int CDie::*Face() { return &Access::m_nValue; }
    };
    if (face >= 1 && face <= 6) {
        die.*Access::Face() = face;
    }
}

// Faces of dice 0..4 in order, as text: "2 2 3 3 3". A missing or
// impossible face leaves the face the die had.
inline void SetFaces(std::span<CDie, NUM_DICE> dice, const std::string& faces) {
    std::istringstream in(faces);
    for (CDie& die : dice) {
        int face = 0;
        in >> face;
        SetFace(die, face);
    }
}

// The players of a game: those with a sheet.
inline int Players(const CGameTable& table) {
    int players = 0;
    while (players < MAX_PLAYERS && table.GetSheet(players) != nullptr) {
        ++players;
    }
    return players;
}

// The program-wide scoring values as the program starts with them.
inline void ResetScoringState() {
    g_nFaceCount.fill(0);
    g_nLastCategory = LAST_CATEGORY_NONE;
    g_nFiveKindCount = 0;
}

inline std::array<CDie, NUM_DICE> DiceFromText(const std::string& faces) {
    std::array<CDie, NUM_DICE> dice;
    SetFaces(dice, faces);
    return dice;
}

// The main window's outer size: random clicks in it reach the whole client
// area and a little more.
inline constexpr CRect kWindowArea{0, 0, 380, 590};

inline CPoint Centre(const CRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace support
