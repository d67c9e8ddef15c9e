#pragma once

// Set-ups in the game's own terms, for the tests, the benchmarks and the
// screenshot tool: dice written as text and the middle of a rectangle.

#include "game/Die.h"
#include "game/Geometry.h"

#include <array>
#include <span>
#include <sstream>
#include <string>

namespace support {

// Faces of dice 0..4 in order, as text: "2 2 3 3 3". A missing or
// impossible face is refused by the die, which keeps the face it had.
inline void SetFaces(std::span<CDie, NUM_DICE> dice, const std::string& faces) {
    std::istringstream in(faces);
    for (CDie& die : dice) {
        int face = 0;
        in >> face;
        die.SetValue(face);
    }
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
