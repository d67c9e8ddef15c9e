#pragma once

// Client-area geometry in pixels. Every position in the window is a fixed
// constant, so these two small value types are all the layout the game needs.

struct CPoint {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Half-open: the right and bottom edges lie outside the rectangle, so two
    // rectangles that merely touch never both contain a point.
    constexpr bool PtInRect(CPoint pt) const {
        return left <= pt.x && pt.x < right && top <= pt.y && pt.y < bottom;
    }
    constexpr void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }

    friend constexpr bool operator==(const CRect&, const CRect&) = default;
};
