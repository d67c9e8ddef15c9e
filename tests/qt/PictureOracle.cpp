#include "PictureOracle.h"

#include "FrameTestSupport.h"

#include "game/Categories.h"
#include "platform/Dc.h"
#include "ui/GameFrame.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <algorithm>
#include <cmath>
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

// How many texts and rectangles were drawn.
std::string Counts(const std::vector<DrawOp>& ops) {
    return std::to_string(std::ranges::count(ops, DrawOp::Kind::Text, &DrawOp::kind)) +
           " texts and " +
           std::to_string(std::ranges::count(ops, DrawOp::Kind::Rectangle, &DrawOp::kind)) +
           " rectangles";
}

// The last text drawn at the place where `want` should stand, or nullptr.
const DrawOp* TextAt(const std::vector<DrawOp>& ops, const DrawOp& want) {
    const auto found = std::find_if(ops.rbegin(), ops.rend(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.context == want.context &&
               op.rect.left == want.rect.left && op.rect.top == want.rect.top;
    });
    return found != ops.rend() ? &*found : nullptr;
}

COLORREF ToColorref(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

// Takes every fill and every text drawn on it as the operation of a device
// context that drew it. A fill counts as erasing until what follows shows
// otherwise: a text placed at its corner makes it the text's opaque
// background, and four black fills in a row are a rectangle's outline (top,
// bottom, left and right side), with the fill just inside them before them
// as its brush.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state().testFlag(DirtyBrush)) {
            m_brush = ToColorref(changed.brush().color());
        }
        if (changed.state().testFlag(DirtyPen)) {
            m_pen = ToColorref(changed.pen().color());
        }
        if (changed.state().testFlag(DirtyTransform)) {
            m_transform = changed.transform();
        }
        // Every text sets its font anew.
        m_bNewText = m_bNewText || changed.state().testFlag(DirtyFont);
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QRect r = m_transform.mapRect(rects[i]);
            ops.push_back({.kind = DrawOp::Kind::Erase,
                           .context = DrawContext::Paint,
                           .rect = {r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                           .color = m_brush});
            m_nBlackFills = m_brush == RGB(0, 0, 0) ? m_nBlackFills + 1 : 0;
            if (m_nBlackFills == 4) {
                TakeRectangle();
            }
        }
    }
    // One text may come as several items (one per script, font or run of
    // characters between tabs); the items that follow it with no new font
    // belong to it.
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
        const QFontMetrics metrics(item.font());
        const QPoint at = m_transform.map(baseline).toPoint() - QPoint(0, metrics.ascent());
        const int right = at.x() + static_cast<int>(std::lround(item.width()));
        if (!m_bNewText && !ops.empty() && ops.back().kind == DrawOp::Kind::Text) {
            ops.back().text += item.text().toStdString();
            ops.back().rect.left = std::min(ops.back().rect.left, at.x());
            ops.back().rect.right = std::max(ops.back().rect.right, right);
        } else {
            const QFont font = item.font();
            DrawOp text{.kind = DrawOp::Kind::Text,
                        .context = Context(),
                        .rect = {at.x(), at.y(), right, at.y() + metrics.height()},
                        .text = item.text().toStdString(),
                        .font = {font.family().toStdString(), font.pixelSize(), font.bold()},
                        .textColor = m_pen,
                        .bkMode = TRANSPARENT};
            if (!ops.empty() && ops.back().kind == DrawOp::Kind::Erase &&
                ops.back().rect.left == at.x() && ops.back().rect.top == at.y()) {
                text.rect = ops.back().rect;
                text.bkColor = ops.back().color;
                text.bkMode = OPAQUE;
                ops.pop_back();
            }
            ops.push_back(text);
        }
        m_bNewText = false;
        m_nBlackFills = 0;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<DrawOp> ops;

private:
    DrawContext Context() const {
        return painter()->hasClipping() ? DrawContext::Paint : DrawContext::Window;
    }
    void TakeRectangle() {
        const RECT top = ops[ops.size() - 4].rect;
        DrawOp rectangle{.kind = DrawOp::Kind::Rectangle,
                         .context = Context(),
                         .rect = {top.left, top.top, top.right, ops[ops.size() - 3].rect.bottom},
                         .hollowBrush = true};
        ops.resize(ops.size() - 4);
        const RECT& fill = ops.empty() ? top : ops.back().rect;
        if (!ops.empty() && ops.back().kind == DrawOp::Kind::Erase && fill.left == top.left + 1 &&
            fill.top == top.top + 1 && fill.right == top.right - 1 &&
            fill.bottom == rectangle.rect.bottom - 1) {
            rectangle.color = ops.back().color;
            rectangle.hollowBrush = false;
            ops.pop_back();
        }
        ops.push_back(rectangle);
        m_nBlackFills = 0;
    }

    COLORREF m_brush = 0;
    COLORREF m_pen = 0;
    QTransform m_transform;
    bool m_bNewText = true;
    int m_nBlackFills = 0;
};

// An image whose painting goes to the recording engine instead of its pixels.
class RecordingDevice : public QImage {
public:
    explicit RecordingDevice(QSize size) : QImage(size, Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;
};

// The text as the recording engine sees it drawn in the font: its items,
// in the order they are drawn.
std::string AsDrawn(const std::string& text, const Font& font) {
    RecordingDevice device(QSize(1, 1));
    QPainter painter(&device);
    painter.setFont(ToQFont(font));
    painter.drawText(QPoint(0, 0), QString::fromStdString(text));
    painter.end();
    return device.engine.ops.empty() ? "" : device.engine.ops.front().text;
}

} // namespace

std::vector<DrawOp> RecordRepaint(const CWnd& wnd, const QRegion& area) {
    QWidget* widget = wnd.GetWidget();
    RecordingDevice device(widget->size());
    widget->render(&device, QPoint(), area, {});
    return device.engine.ops;
}

QFont ToQFont(const Font& font) {
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPixelSize(font.height);
    qfont.setBold(font.bold);
    return qfont;
}

Font SystemFont() {
    const QFont font = static_cast<const CFont*>(GetStockObject(SYSTEM_FONT))->ToQFont();
    return {font.family().toStdString(), font.pixelSize(), font.bold()};
}

DrawOp Text(DrawContext context, int x, int y, std::string text, const Font& font, COLORREF color,
            COLORREF bk, int mode) {
    return {.kind = DrawOp::Kind::Text,
            .context = context,
            .rect = {x, y, 0, 0},
            .text = AsDrawn(text, font),
            .font = font,
            .textColor = color,
            .bkColor = bk,
            .bkMode = mode};
}

DrawOp Rect(DrawContext context, RECT r, bool hollow, COLORREF brush) {
    return {.kind = DrawOp::Kind::Rectangle,
            .context = context,
            .rect = r,
            .color = hollow ? 0 : brush,
            .hollowBrush = hollow};
}

std::vector<DrawOp> PictureOf(const CGameFrame& game) {
    std::vector<DrawOp> ops;
    ops.push_back({.kind = DrawOp::Kind::Erase,
                   .rect = {0, 0, game.GetWidget()->width(), game.GetWidget()->height()},
                   .color = kBackground});
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
    const RECT& r = op.rect;
    switch (op.kind) {
    case DrawOp::Kind::Erase:
    case DrawOp::Kind::Rectangle:
        out << (op.kind == DrawOp::Kind::Erase ? "erase (" : "rectangle (") << r.left << ","
            << r.top << "," << r.right << "," << r.bottom << ") "
            << (op.hollowBrush ? "hollow" : ColorName(op.color));
        break;
    case DrawOp::Kind::Text:
        out << "text '" << op.text << "' at (" << op.rect.left << "," << op.rect.top << ") "
            << op.font.face << "/" << op.font.height << (op.font.bold ? " bold " : " ")
            << ColorName(op.textColor)
            << (op.bkMode == OPAQUE ? " on " + ColorName(op.bkColor) : " transparent");
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
    if (Counts(ops) != Counts(expected)) {
        return Counts(ops) + " drawn, " + Counts(expected) + " expected";
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
