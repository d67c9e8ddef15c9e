#pragma once

// What the main window should draw, written out independently of the
// program with literal numbers: the element-by-element picture of a full
// repaint for a game state, and an order-blind reading of a recorded repaint
// against it. A change to the window's look is made in the program and here.
//
// A repaint is recorded from outside the program: the window is rendered
// into a paint device of the tests' own, whose engine notes every fill and
// every text, and those are read back as the rectangles, texts and erasing
// that a device context draws.

#include "platform/Types.h"

#include <QRegion>

#include <string>
#include <vector>

class CGameFrame;
class QFont;
class CWnd;

namespace support {

// Which kind of context drew: the paint context is clipped to the area
// being repainted, a window context is not.
enum class DrawContext { Paint, Window };

struct Font {
    std::string face;
    int height = 0; // em height in pixels
    bool bold = false;
};

struct DrawOp {
    enum class Kind { Erase, Rectangle, Text };

    Kind kind = Kind::Text;
    DrawContext context = DrawContext::Paint;
    // Rectangle: its outer edges. Text: the character cells it covers, from
    // the top-left corner it was placed at. Erase: the bounds of the area.
    RECT rect;
    // Erase: the background colour. Rectangle: the brush colour.
    COLORREF color = 0;
    bool hollowBrush = false;
    // Text only; the background colour only in OPAQUE mode.
    std::string text{};
    Font font{};
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
};

// Repaints the area of the window (all of it when empty) into the
// recording device, and returns what was drawn, in order.
std::vector<DrawOp> RecordRepaint(const CWnd& wnd, const QRegion& area = {});

inline constexpr COLORREF kBackground = RGB(200, 200, 255);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kBand = RGB(192, 255, 192);
inline constexpr COLORREF kBoxFill = RGB(125, 250, 250);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
// The smallest client area the window gets: where the window system reports
// no frame, 380 x 590 less a standard border and caption.
inline constexpr RECT kClient{0, 0, 364, 551};
inline constexpr RECT kRollBox{20, 400, 70, 420};
inline constexpr RECT kNameBox{20, 50, 150, 70};
extern const std::string kTitleBand;

Font SystemFont();
QFont ToQFont(const Font& font);

DrawOp Text(DrawContext context, int x, int y, std::string text, const Font& font, COLORREF color,
            COLORREF bk, int mode);
DrawOp Rect(DrawContext context, RECT r, bool hollow, COLORREF brush = 0);

// The whole picture of a full repaint, in drawing order.
std::vector<DrawOp> PictureOf(const CGameFrame& game);

// One line naming everything a drawing operation records.
std::string Describe(const DrawOp& op);

// An empty string when a recorded full repaint draws what PictureOf says,
// in any order; else the first disagreement found. Unlike an element-by-
// element comparison it can be run after any sequence of events.
std::string PictureDisagreement(const std::vector<DrawOp>& ops, const CGameFrame& game);

} // namespace support
