// Font sizes at any screen resolution. The test command also runs these
// cases on a screen of 5 dpi, where a font's size truncates to nothing, and
// at 400 dpi, where the dialog and the window would not fit on the screen.

#include "FrameTestSupport.h"
#include "PictureOracle.h"
#include "PlayerEntryDriver.h"
#include "TestFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <limits>

using namespace support;

namespace {

int Dpi() {
    return static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
}

// A tenth of a point is no pixel at all below 720 dpi; the largest size
// must not overflow on its way to pixels.
TEST(FontSize, TruncatesTenthsOfAPointToPixelsWithoutOverflow) {
    CFont tiny;
    EXPECT_EQ(tiny.CreatePointFont(1, "Times new Roman"), Dpi() >= 720 ? TRUE : FALSE);

    CFont huge;
    ASSERT_TRUE(huge.CreatePointFont(std::numeric_limits<int>::max(), "Times new Roman"));
    const long long expected =
        static_cast<long long>(Dpi()) * std::numeric_limits<int>::max() / 720;
    EXPECT_EQ(huge.ToQFont().pixelSize(),
              std::min<long long>(expected, std::numeric_limits<int>::max()));
}

// Text in the system font, in a created font and in one too small to be
// created: each comes out in a font of at least one pixel.
TEST(FontSize, EveryTextHasAFontOfAtLeastOnePixel) {
    TestFrame* pFrame = TestFrame::Make();
    pFrame->m_paint = [](CPaintDC& dc) {
        dc.TextOut(2, 2, "system");
        CFont serif;
        serif.CreatePointFont(245, "Times new Roman");
        dc.SelectObject(&serif);
        dc.TextOut(2, 40, "serif");
        CFont tiny;
        tiny.CreatePointFont(1, "Times new Roman");
        dc.SelectObject(&tiny);
        dc.TextOut(2, 80, "tiny");
        dc.SelectStockObject(SYSTEM_FONT);
    };
    int texts = 0;
    for (const DrawOp& op : RecordRepaint(*pFrame)) {
        if (op.kind == DrawOp::Kind::Text) {
            ++texts;
            EXPECT_GE(op.font.height, 1) << op.text;
        }
    }
    EXPECT_EQ(texts, 3);
    Destroy(pFrame);
}

// However large the font or the scale, the dialog and the frame window,
// frames included, stay within the available area of the screen.
TEST(FontSize, DialogAndWindowStayWithinTheScreen) {
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    const auto expectWithin = [&area](const QWidget* pWidget) {
        EXPECT_LE(pWidget->frameGeometry().width(), area.width())
            << pWidget->windowTitle().toStdString();
        EXPECT_LE(pWidget->frameGeometry().height(), area.height())
            << pWidget->windowTitle().toStdString();
    };
    CPlayerEntryDlg dlg;
    support::RunSteps(
        dlg, {[&](CPlayerEntryDlg& d) { expectWithin(d.GetWidget()); }, support::Escape()});

    TestFrame* pFrame = TestFrame::Make();
    ShowAndWait(*pFrame);
    expectWithin(pFrame->GetWidget());
    Destroy(pFrame);
}

} // namespace
