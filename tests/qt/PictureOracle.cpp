#include "PictureOracle.h"

#include "FrameTestSupport.h"

#include "game/Categories.h"
#include "platform/Dc.h"
#include "platform/Gdi.h"
#include "ui/GameFrame.h"

#include <algorithm>
#include <sstream>

namespace support {

const std::string kTitleBand = "Dorvanex by Harvelo" + std::string(14, ' ');

namespace {

const Font kTitleFont{"Times new Roman", 34, false};
const Font kDieFont{"Times new Roman", 32, false};

RECT ToRect(const CRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void AddBox(std::vector<DrawOp>& ops, const CScoreBox& box) {
    const CRect& r = box.GetRect();
    ops.push_back(Rect(DrawContext::Window, ToRect(r), false, kBoxFill));
    if (box.GetScore() != -1) {
        ops.push_back(Text(DrawContext::Window, r.left + 4, r.top + 2,
                           std::to_string(box.GetScore()), SystemFont(), kBlack, kWhite,
                           TRANSPARENT));
    }
    ops.push_back(Text(DrawContext::Window, r.right + 4, r.top + 2, box.GetLabel(), SystemFont(),
                       kBlack, kWhite, TRANSPARENT));
}

std::string Where(const DrawOp& op) {
    std::ostringstream out;
    out << (op.context == DrawContext::Paint ? "paint" : "window") << " (" << op.rect.left << ","
        << op.rect.top << ")";
    return out.str();
}

std::size_t CountOf(const std::vector<DrawOp>& ops, DrawOp::Kind kind) {
    return static_cast<std::size_t>(std::ranges::count(ops, kind, &DrawOp::kind));
}

// The text drawn at the place where `want` should stand, or nullptr.
const DrawOp* TextAt(const std::vector<DrawOp>& ops, const DrawOp& want) {
    const DrawOp* found = nullptr;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Text && op.context == want.context &&
            op.rect.left == want.rect.left && op.rect.top == want.rect.top) {
            found = &op;
        }
    }
    return found;
}

} // namespace

Font SystemFont() {
    const auto* font = static_cast<const CFont*>(GetStockObject(SYSTEM_FONT));
    return {font->GetFaceName(), font->GetPixelHeight(), font->IsBold()};
}

DrawOp Text(DrawContext context, int x, int y, std::string text, const Font& font, COLORREF color,
            COLORREF bk, int mode) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.context = context;
    op.rect = RECT{x, y, 0, 0};
    op.text = std::move(text);
    op.fontFace = font.face;
    op.fontHeight = font.height;
    op.fontBold = font.bold;
    op.textColor = color;
    op.bkColor = bk;
    op.bkMode = mode;
    return op;
}

DrawOp Rect(DrawContext context, RECT r, bool hollow, COLORREF brush) {
    DrawOp op;
    op.kind = DrawOp::Kind::Rectangle;
    op.context = context;
    op.rect = r;
    op.hollowBrush = hollow;
    op.color = hollow ? 0 : brush;
    return op;
}

std::vector<DrawOp> PictureOf(const CGameFrame& game) {
    std::vector<DrawOp> ops;
    DrawOp erase;
    erase.kind = DrawOp::Kind::Erase;
    game.GetClientRect(&erase.rect);
    erase.color = kBackground;
    ops.push_back(erase);
    ops.push_back(Text(DrawContext::Paint, 2, 2, kTitleBand, kTitleFont, kBlue, kBand, OPAQUE));
    for (int i = 0; i < NUM_DICE; ++i) {
        const CRect& r = game.GetDie(i).GetRect();
        ops.push_back(Rect(DrawContext::Window, ToRect(r), true));
        ops.push_back(Text(DrawContext::Window, r.left + 8, r.top + 1,
                           std::to_string(game.GetDie(i).GetValue()), kDieFont, kBlack, kWhite,
                           TRANSPARENT));
    }
    for (int row = 0; row < NUM_CATEGORIES; ++row) {
        AddBox(ops, game.GetSheet(game.GetCurPlayer())->GetBox(row));
    }
    ops.push_back(Text(DrawContext::Paint, 24, 402, "Roll " + std::to_string(game.GetRolls()),
                       SystemFont(), kBlue, kBand, TRANSPARENT));
    ops.push_back(Rect(DrawContext::Paint, kRollBox, true));
    ops.push_back(Rect(DrawContext::Paint, kNameBox, true));
    ops.push_back(Text(DrawContext::Paint, 24, 52, game.GetName(game.GetCurPlayer()), SystemFont(),
                       kBlue, kBand, TRANSPARENT));
    for (int k = 0; k < 4; ++k) {
        if (!game.GetName(k).empty()) {
            AddBox(ops, game.GetTotal(k));
        }
    }
    return ops;
}

std::string Describe(const DrawOp& op) {
    std::ostringstream out;
    out << (op.context == DrawContext::Paint ? "paint " : "window ");
    switch (op.kind) {
    case DrawOp::Kind::Erase:
        out << "erase (" << op.rect.left << "," << op.rect.top << "," << op.rect.right << ","
            << op.rect.bottom << ") " << ColorName(op.color);
        break;
    case DrawOp::Kind::Rectangle:
        out << "rectangle (" << op.rect.left << "," << op.rect.top << "," << op.rect.right << ","
            << op.rect.bottom << ") " << (op.hollowBrush ? "hollow" : ColorName(op.color));
        break;
    case DrawOp::Kind::Text:
        out << "text '" << op.text << "' at (" << op.rect.left << "," << op.rect.top << ") "
            << op.fontFace << "/" << op.fontHeight << (op.fontBold ? " bold " : " ")
            << ColorName(op.textColor) << " on " << ColorName(op.bkColor)
            << (op.bkMode == OPAQUE ? " opaque" : " transparent");
        break;
    }
    return out.str();
}

std::string PictureDisagreement(const std::vector<DrawOp>& ops, const CGameFrame& game) {
    if (ops.empty() || ops.front().kind != DrawOp::Kind::Erase) {
        return "the repaint does not begin with erasing the background";
    }
    if (game.GetSheet(game.GetCurPlayer()) == nullptr) {
        return "the current player has no sheet";
    }
    const std::vector<DrawOp> expected = PictureOf(game);
    if (Describe(ops.front()) != Describe(expected.front())) {
        return Describe(ops.front()) + ", expected " + Describe(expected.front());
    }
    const std::size_t textOps = CountOf(ops, DrawOp::Kind::Text);
    const std::size_t rectOps = CountOf(ops, DrawOp::Kind::Rectangle);
    const std::size_t wantTexts = CountOf(expected, DrawOp::Kind::Text);
    const std::size_t wantRects = CountOf(expected, DrawOp::Kind::Rectangle);
    if (textOps != wantTexts || rectOps != wantRects) {
        std::ostringstream out;
        out << textOps << " texts and " << rectOps << " rectangles drawn, " << wantTexts << " and "
            << wantRects << " expected";
        return out.str();
    }

    std::vector<std::string> rects;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Rectangle) {
            rects.push_back(Describe(op));
        }
    }
    for (const DrawOp& want : expected) {
        if (want.kind == DrawOp::Kind::Text) {
            const DrawOp* found = TextAt(ops, want);
            if (found == nullptr) {
                return "no text at " + Where(want);
            }
            if (found->text != want.text) {
                return "text at " + Where(want) + " is \"" + found->text.substr(0, 80) +
                       "\", expected \"" + want.text.substr(0, 80) + "\"";
            }
            if (Describe(*found) != Describe(want)) {
                return "text at " + Where(want) + " drawn as " + Describe(*found) + ", expected " +
                       Describe(want);
            }
        } else if (want.kind == DrawOp::Kind::Rectangle) {
            const auto found = std::ranges::find(rects, Describe(want));
            if (found == rects.end()) {
                return "no " + Describe(want);
            }
            rects.erase(found);
        }
    }
    return {};
}

} // namespace support
