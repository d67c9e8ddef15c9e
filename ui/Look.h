#pragma once

// The main window's look: where the window stands, its colours, its title,
// its fonts and where text stands inside the boxes. The places of the dice
// and the boxes are part of the rules (game/), since clicks are tested
// against the same rectangles.

#include "platform/Types.h"

#include <string>

// Outer rectangle in screen pixels, frame included: 380 x 590.
inline constexpr RECT kOuterRect{20, 30, 400, 620};
inline constexpr COLORREF kBackground = RGB(200, 200, 255);

inline constexpr const char* kTitle = "Dorvanex by Harvelo";
// The title is drawn on an opaque band that reaches past its last letter by
// the width of this many blanks.
inline constexpr int kTitleBandBlanks = 14;
inline constexpr POINT kTitleAt{2, 2};

inline constexpr const char* kSerifFace = "Times new Roman";
// Sizes in tenths of a point.
inline constexpr int kTitleFontSize = 255;
inline constexpr int kDieFontSize = 245;

inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kTitleBandGreen = RGB(192, 255, 192);
// The fill of every score box, on the sheet and in the totals list alike.
inline constexpr COLORREF kBoxFill = RGB(125, 250, 250);

// Where text stands inside (or, for a label, beside) its rectangle.
inline constexpr POINT kBoxTextOffset{4, 2};
inline constexpr POINT kDieFaceOffset{8, 1};

// The title with the blanks that carry its band.
inline std::string TitleBand() {
    return kTitle + std::string(kTitleBandBlanks, ' ');
}

// The roll counter's text: "Roll 2".
inline std::string RollText(int nRolls) {
    return "Roll " + std::to_string(nRolls);
}
