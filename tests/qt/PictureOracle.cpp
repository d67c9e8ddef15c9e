#include "PictureOracle.h"

#include "FrameTestSupport.h"

#include "game/Categories.h"
#include "platform/Dc.h"
#include "ui/GameFrame.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
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

// One fill or one text, as the engine was asked to draw it.
struct Drawn {
    QRect rect; // a fill's rectangle; a text's cells
    QColor color;
    bool clipped;   // drawn by a painter clipped to the repaint
    QString text{}; // null for a fill
    QFont font{};
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state().testFlag(DirtyBrush)) {
            m_brush = changed.brush().color();
        }
        if (changed.state().testFlag(DirtyPen)) {
            m_pen = changed.pen().color();
        }
        if (changed.state().testFlag(DirtyTransform)) {
            m_transform = changed.transform();
        }
        // Every text sets its font anew.
        m_bNewText = m_bNewText || changed.state().testFlag(DirtyFont);
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            drawn.push_back({m_transform.mapRect(rects[i]), m_brush, painter()->hasClipping()});
        }
    }
    // One text may come as several items (one per script, font or run of
    // characters between tabs); the items that follow it with no new font
    // belong to it.
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
        const QPointF at = m_transform.map(baseline);
        const QFontMetrics metrics(item.font());
        const QRect cells(at.toPoint() - QPoint(0, metrics.ascent()),
                          QSize(static_cast<int>(std::lround(item.width())), metrics.height()));
        if (!m_bNewText && !drawn.empty() && !drawn.back().text.isNull()) {
            drawn.back().text += item.text();
            drawn.back().rect |= cells;
        } else {
            drawn.push_back({cells, m_pen, painter()->hasClipping(), item.text(), item.font()});
        }
        m_bNewText = false;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<Drawn> drawn;

private:
    QColor m_brush;
    QColor m_pen;
    QTransform m_transform;
    bool m_bNewText = true;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return metric == PdmDevicePixelRatio || metric == PdmNumColors ? 1 : 96;
        }
    }

private:
    QSize m_size;
};

COLORREF ToColorref(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

RECT ToRect(const QRect& r) {
    return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

// Four black fills in a row are the outline of a rectangle, as a device
// context draws one: top, bottom, left and right side.
bool IsOutline(const std::vector<Drawn>& drawn, std::size_t i) {
    for (std::size_t k = i; k < i + 4; ++k) {
        if (k >= drawn.size() || !drawn[k].text.isNull() || drawn[k].color != Qt::black) {
            return false;
        }
    }
    return true;
}

// Reads the fills and texts back as the operations that drew them: a fill
// under the text that follows is its opaque background, the fill inside an
// outline that follows is a rectangle's brush, and any other fill erases.
std::vector<DrawOp> OperationsOf(const std::vector<Drawn>& drawn) {
    std::vector<DrawOp> ops;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Drawn& d = drawn[i];
        DrawOp op;
        op.context = d.clipped ? DrawContext::Paint : DrawContext::Window;
        op.rect = ToRect(d.rect);
        const Drawn* text = !d.text.isNull() ? &d : nullptr;
        if (text == nullptr && i + 1 < drawn.size() && !drawn[i + 1].text.isNull() &&
            drawn[i + 1].rect.topLeft() == d.rect.topLeft()) {
            text = &drawn[++i];
            op.bkMode = OPAQUE;
            op.bkColor = ToColorref(d.color);
        }
        if (text != nullptr) {
            op.kind = DrawOp::Kind::Text;
            op.bkMode = op.bkMode == 0 ? TRANSPARENT : op.bkMode;
            op.text = text->text.toStdString();
            op.fontFace = text->font.family().toStdString();
            op.fontHeight = text->font.pixelSize();
            op.fontBold = text->font.bold();
            op.textColor = ToColorref(text->color);
        } else if (IsOutline(drawn, i) || (IsOutline(drawn, i + 1) && d.color != Qt::black)) {
            const std::size_t first = IsOutline(drawn, i) ? i : i + 1;
            op.kind = DrawOp::Kind::Rectangle;
            op.context = drawn[first].clipped ? DrawContext::Paint : DrawContext::Window;
            op.rect = ToRect(drawn[first].rect.united(drawn[first + 1].rect));
            op.hollowBrush = first == i;
            op.color = op.hollowBrush ? 0 : ToColorref(d.color);
            i = first + 3;
        } else {
            op.kind = DrawOp::Kind::Erase;
            op.context = DrawContext::Paint;
            op.color = ToColorref(d.color);
        }
        ops.push_back(std::move(op));
    }
    return ops;
}

// The text as the recording engine sees it drawn in the font: its items,
// in the order they are drawn.
std::string AsDrawn(const std::string& text, const Font& font) {
    RecordingDevice device(QSize(1, 1));
    QPainter painter(&device);
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPixelSize(font.height);
    qfont.setBold(font.bold);
    painter.setFont(qfont);
    painter.drawText(QPoint(0, 0), QString::fromStdString(text));
    painter.end();
    return device.engine.drawn.empty() ? "" : device.engine.drawn.front().text.toStdString();
}

} // namespace

std::vector<DrawOp> RecordRepaint(const CWnd& wnd, const QRegion& area) {
    QWidget* widget = wnd.GetWidget();
    RecordingDevice device(widget->size());
    widget->render(&device, QPoint(), area, {});
    return OperationsOf(device.engine.drawn);
}

Font SystemFont() {
    const QFont font = static_cast<const CFont*>(GetStockObject(SYSTEM_FONT))->ToQFont();
    return {font.family().toStdString(), font.pixelSize(), font.bold()};
}

DrawOp Text(DrawContext context, int x, int y, std::string text, const Font& font, COLORREF color,
            COLORREF bk, int mode) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.context = context;
    op.rect = RECT{x, y, 0, 0};
    op.text = AsDrawn(text, font);
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
    erase.rect = RECT{0, 0, game.GetWidget()->width(), game.GetWidget()->height()};
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
