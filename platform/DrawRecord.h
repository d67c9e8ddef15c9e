#pragma once

// A record of what device contexts drew, in order, for checking a picture
// element by element without reading pixels. A frame window fills the record
// attached to it; nothing is recorded otherwise.

#include "platform/WinTypes.h"

#include <string>
#include <utility>
#include <vector>

enum class DrawContext { Paint, Window };

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
    // Text only.
    std::string text;
    std::string fontFace;
    int fontHeight = 0; // em height in pixels
    bool fontBold = false;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
};

class CDrawRecord {
public:
    void Add(DrawOp op) { m_ops.push_back(std::move(op)); }
    void Clear() { m_ops.clear(); }
    const std::vector<DrawOp>& Ops() const { return m_ops; }

private:
    std::vector<DrawOp> m_ops;
};
