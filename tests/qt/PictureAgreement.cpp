#include "PictureAgreement.h"

#include "game/Categories.h"
#include "ui/GameFrame.h"

#include <sstream>

namespace {

struct Expected {
    DrawContext context;
    int x;
    int y;
    std::string text;
};

std::string Where(DrawContext context, int x, int y) {
    std::ostringstream out;
    out << (context == DrawContext::Paint ? "paint" : "window") << " (" << x << "," << y << ")";
    return out.str();
}

bool SameRect(const RECT& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A number inside a box when it holds one, and its label beside it.
void AddBox(std::vector<Expected>& texts, std::vector<CRect>& rects, const CScoreBox& box) {
    const CRect& r = box.GetRect();
    rects.push_back(r);
    if (box.GetScore() != SCORE_EMPTY) {
        texts.push_back(
            {DrawContext::Window, r.left + 4, r.top + 2, std::to_string(box.GetScore())});
    }
    texts.push_back({DrawContext::Window, r.right + 4, r.top + 2, box.GetLabel()});
}

} // namespace

std::string PictureDisagreement(const std::vector<DrawOp>& ops, const CGameFrame& game) {
    if (ops.empty() || ops.front().kind != DrawOp::Kind::Erase) {
        return "the repaint does not begin with erasing the background";
    }

    std::vector<Expected> texts;
    std::vector<CRect> rects;
    texts.push_back({DrawContext::Paint, 2, 2, "Dorvanex by Harvelo" + std::string(14, ' ')});
    for (int i = 0; i < NUM_DICE; ++i) {
        const CDie& die = game.GetDie(i);
        const CRect& r = die.GetRect();
        rects.push_back(r);
        texts.push_back(
            {DrawContext::Window, r.left + 8, r.top + 1, std::to_string(die.GetValue())});
    }
    const CScoreSheet* sheet = game.GetSheet(game.GetCurPlayer());
    if (sheet == nullptr) {
        return "the current player has no sheet";
    }
    for (int row = 0; row < NUM_CATEGORIES; ++row) {
        AddBox(texts, rects, sheet->GetBox(row));
    }
    const CRect& roll = game.GetRollRect();
    const CRect& name = game.GetNameRect();
    texts.push_back({DrawContext::Paint, roll.left + 4, roll.top + 2,
                     "Roll " + std::to_string(game.GetRolls())});
    texts.push_back(
        {DrawContext::Paint, name.left + 4, name.top + 2, game.GetName(game.GetCurPlayer())});
    rects.push_back(roll);
    rects.push_back(name);
    for (int k = 0; k < 4; ++k) {
        if (!game.GetName(k).empty()) {
            AddBox(texts, rects, game.GetTotal(k));
        }
    }

    std::size_t textOps = 0;
    std::size_t rectOps = 0;
    for (const DrawOp& op : ops) {
        textOps += op.kind == DrawOp::Kind::Text ? 1 : 0;
        rectOps += op.kind == DrawOp::Kind::Rectangle ? 1 : 0;
    }
    if (textOps != texts.size() || rectOps != rects.size()) {
        std::ostringstream out;
        out << textOps << " texts and " << rectOps << " rectangles drawn, " << texts.size()
            << " and " << rects.size() << " expected";
        return out.str();
    }

    for (const Expected& want : texts) {
        const DrawOp* found = nullptr;
        for (const DrawOp& op : ops) {
            if (op.kind == DrawOp::Kind::Text && op.context == want.context &&
                op.rect.left == want.x && op.rect.top == want.y) {
                found = &op;
            }
        }
        if (found == nullptr) {
            return "no text at " + Where(want.context, want.x, want.y);
        }
        if (found->text != want.text) {
            return "text at " + Where(want.context, want.x, want.y) + " is \"" +
                   found->text.substr(0, 80) + "\", expected \"" + want.text.substr(0, 80) + "\"";
        }
    }
    for (const CRect& want : rects) {
        bool found = false;
        for (const DrawOp& op : ops) {
            found = found || (op.kind == DrawOp::Kind::Rectangle && SameRect(op.rect, want));
        }
        if (!found) {
            std::ostringstream out;
            out << "no rectangle (" << want.left << "," << want.top << "," << want.right << ","
                << want.bottom << ")";
            return out.str();
        }
    }
    return {};
}
