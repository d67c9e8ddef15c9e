// Device contexts, brushes and fonts: what a rectangle and a text cover in
// the window's surface, the clipping of the paint context, the defaults of a
// fresh context and the sizes of the fonts.

#include "FrameTestSupport.h"
#include "PictureOracle.h"
#include "TestFrame.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace support;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A shown, painted test frame that is destroyed with the fixture.
class DcTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pFrame = TestFrame::Make();
        ShowAndWait(*m_pFrame);
        Repaint(*m_pFrame);
    }
    void TearDown() override { Destroy(m_pFrame); }

    COLORREF Pixel(int x, int y) const { return PixelAt(*m_pFrame, x, y); }

    // Draws through a window context during a repaint of the whole window,
    // on the surface and into the recorder; keeps what the drawing added to
    // the erasing.
    template <typename Draw> void DrawInRepaint(Draw draw) {
        m_pFrame->m_paint = [&](CPaintDC&) {
            CClientDC dc(m_pFrame);
            draw(dc);
        };
        m_pFrame->GetWidget()->repaint();
        m_ops = RecordRepaint(*m_pFrame);
        m_ops.erase(m_ops.begin());
        m_pFrame->m_paint = nullptr;
    }

    TestFrame* m_pFrame = nullptr;
    std::vector<DrawOp> m_ops;
};

// With the stock hollow brush (true) or a solid red one.
class DcRectangle : public DcTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DcRectangle, OutlinesLastInnerPixelsAndFillsInside) {
    CBrush red(kRed);
    DrawInRepaint([&](CDC& dc) {
        if (GetParam()) {
            dc.SelectStockObject(HOLLOW_BRUSH);
        } else {
            dc.SelectObject(&red);
        }
        dc.Rectangle(120, 100, 150, 120);
    });
    const COLORREF inside = GetParam() ? kTestBackground : kRed;
    EXPECT_EQ(Pixel(120, 100), kBlack);
    EXPECT_EQ(Pixel(149, 119), kBlack);
    EXPECT_EQ(Pixel(149, 100), kBlack);
    EXPECT_EQ(Pixel(120, 119), kBlack);
    EXPECT_EQ(Pixel(121, 101), inside);
    EXPECT_EQ(Pixel(148, 118), inside);
    EXPECT_EQ(Pixel(150, 110), kTestBackground);
    EXPECT_EQ(Pixel(135, 120), kTestBackground);
    EXPECT_EQ(Pixel(119, 110), kTestBackground);
}

INSTANTIATE_TEST_SUITE_P(Brushes, DcRectangle, ::testing::Bool(),
                         [](const auto& c) { return c.param ? "Hollow" : "Solid"; });

// Blanks draw no ink, so what their cells show is the background mode alone.
TEST_F(DcTest, OpaqueModeFillsCharacterCellsTransparentModeDoesNot) {
    DrawInRepaint([](CDC& dc) {
        dc.SetBkColor(kYellow);
        dc.TextOut(10, 200, "    ");
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 300, "    ");
    });
    ASSERT_EQ(m_ops.size(), 2U);
    const RECT cells = m_ops[0].rect;
    ASSERT_GT(cells.right, cells.left);
    EXPECT_EQ(Pixel(cells.left, cells.top), kYellow);
    EXPECT_EQ(Pixel(cells.right - 1, cells.bottom - 1), kYellow);
    EXPECT_EQ(Pixel(cells.right, cells.top), kTestBackground);
    EXPECT_EQ(Pixel(cells.left, cells.bottom), kTestBackground);
    EXPECT_EQ(Pixel(cells.left, 300), kTestBackground);
}

TEST_F(DcTest, FreshContextDrawsBlackSystemTextOnOpaqueWhiteWithWhiteBrush) {
    DrawInRepaint([](CDC& dc) {
        dc.TextOut(5, 6, "%d %s &1");
        dc.Rectangle(1, 2, 30, 40);
    });
    ASSERT_EQ(m_ops.size(), 2U);
    const DrawOp& text = m_ops[0];
    const Font system = SystemFont();
    EXPECT_EQ(text.context, DrawContext::Window);
    EXPECT_EQ(text.text, "%d %s &1");
    EXPECT_EQ(text.rect.left, 5);
    EXPECT_EQ(text.rect.top, 6);
    EXPECT_EQ(text.font.face, system.face);
    EXPECT_EQ(text.font.height, system.height);
    EXPECT_EQ(text.textColor, kBlack);
    EXPECT_EQ(text.bkColor, RGB(255, 255, 255));
    EXPECT_EQ(text.bkMode, OPAQUE);
    const DrawOp& rect = m_ops[1];
    EXPECT_FALSE(rect.hollowBrush);
    EXPECT_EQ(rect.color, RGB(255, 255, 255));
}

TEST_F(DcTest, SelectingReturnsWhatWasSelectedBefore) {
    CClientDC dc(m_pFrame);
    CBrush red(kRed);
    CBrush* white = dc.SelectObject(&red);
    EXPECT_EQ(white, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectStockObject(HOLLOW_BRUSH), &red);
    EXPECT_EQ(dc.SelectObject(static_cast<CBrush*>(nullptr)), nullptr);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Liberation Sans"));
    EXPECT_EQ(dc.SelectObject(&font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(dc.SelectStockObject(SYSTEM_FONT), &font);
    EXPECT_EQ(dc.SelectStockObject(12345), nullptr);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(99), 0);
    EXPECT_EQ(dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(dc.SetBkColor(kRed), RGB(255, 255, 255));
}

// A repaint of part of the window: the paint context draws only inside that
// part, a window context everywhere.
TEST_F(DcTest, PaintContextIsClippedWindowContextIsNot) {
    COLORREF paintFill = kRed;
    COLORREF windowFill = kGreen;
    m_pFrame->m_paint = [&](CPaintDC& dc) {
        CBrush paintBrush(paintFill);
        dc.SelectObject(&paintBrush);
        dc.Rectangle(0, 0, 200, 200);
        CClientDC window(m_pFrame);
        CBrush windowBrush(windowFill);
        window.SelectObject(&windowBrush);
        window.Rectangle(250, 250, 350, 350);
        dc.SelectStockObject(WHITE_BRUSH);
    };
    Repaint(*m_pFrame);
    EXPECT_EQ(Pixel(100, 100), kRed);
    EXPECT_EQ(Pixel(300, 300), kGreen);

    paintFill = kYellow;
    windowFill = kYellow;
    m_pFrame->GetWidget()->repaint(QRect(50, 50, 20, 20));
    EXPECT_EQ(Pixel(60, 60), kYellow);
    EXPECT_EQ(Pixel(100, 100), kRed);
    EXPECT_EQ(Pixel(300, 300), kYellow);
}

// A window draws while it is repainted; outside a repaint neither kind of
// context draws, and each says so.
TEST_F(DcTest, OutsideRepaintNoContextDraws) {
    CPaintDC paint(m_pFrame);
    CClientDC window(m_pFrame);
    for (CDC* dc : {static_cast<CDC*>(&paint), static_cast<CDC*>(&window)}) {
        EXPECT_FALSE(dc->TextOut(10, 10, "x"));
        EXPECT_FALSE(dc->Rectangle(100, 100, 150, 150));
    }
    EXPECT_EQ(Pixel(120, 120), kTestBackground);
}

TEST(Font, PointSizeIsDpiTimesTenthsOver720Truncated) {
    const int dpi = static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    for (const int tenths : {255, 245, 80, 1}) {
        CFont font;
        const bool created = font.CreatePointFont(tenths, "Times new Roman") != FALSE;
        EXPECT_EQ(created, dpi * tenths / 720 > 0) << tenths;
        if (created) {
            EXPECT_EQ(font.ToQFont().pixelSize(), dpi * tenths / 720) << tenths;
        }
    }
    CFont none;
    EXPECT_FALSE(none.CreatePointFont(100, ""));
    EXPECT_FALSE(none.CreatePointFont(0, "Times new Roman"));
    EXPECT_FALSE(none.DeleteObject());
}

// The game's two point sizes and the system font, in pixels, on the screens
// the test command runs these cases on.
TEST(Font, GameSizesInPixels) {
    const struct {
        int dpi;
        int title;
        int die;
        int system;
    } screens[] = {{5, 1, 1, 1}, {96, 34, 32, 14}, {200, 70, 68, 29}};
    const int dpi = static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    const auto* screen = std::find_if(std::begin(screens), std::end(screens),
                                      [dpi](const auto& row) { return row.dpi == dpi; });
    if (screen == std::end(screens)) {
        GTEST_SKIP() << "no sizes listed for " << dpi << " dpi";
    }
    CFont title;
    CFont die;
    title.CreatePointFont(255, "Times new Roman");
    die.CreatePointFont(245, "Times new Roman");
    EXPECT_EQ(title.ToQFont().pixelSize(), screen->title);
    EXPECT_EQ(die.ToQFont().pixelSize(), screen->die);
    EXPECT_EQ(SystemFont().height, screen->system);
}

TEST(Font, TimesNewRomanMapsToMetricCompatibleFace) {
    CFont font;
    font.CreatePointFont(255, "Times new Roman");
    EXPECT_EQ(QFontInfo(font.ToQFont()).family().toStdString(), "Liberation Serif");
}

TEST(Font, SystemFontIsBoldSansWithSixteenPixelCellAt96Dpi) {
    const auto* system = static_cast<CFont*>(GetStockObject(SYSTEM_FONT));
    const QFont font = system->ToQFont();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans");
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchY() == 96) {
        EXPECT_EQ(QFontMetrics(font).height(), 16);
    }
}

} // namespace
