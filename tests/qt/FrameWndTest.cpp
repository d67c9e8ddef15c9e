// The frame window: creation, the mouse and close messages its widget turns
// window-system input into, and the end of the message loop with the main
// window.

#include "FrameTestSupport.h"
#include "TestFrame.h"

#include "platform/App.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

using namespace support;

namespace {

struct FrameDeleter {
    void operator()(CFrameWnd* pFrame) const { Destroy(pFrame); }
};
using FramePtr = std::unique_ptr<TestFrame, FrameDeleter>;

TEST(FrameWnd, CreatesHiddenWindowWithStandardFrameAroundClientArea) {
    FramePtr frame(TestFrame::Make());
    QWidget* widget = frame->GetWidget();
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle().toStdString(), "Test frame");
    EXPECT_EQ(widget->pos(), QPoint(20, 30));
    // The offscreen platform reports no frame: 380 x 590 less the standard
    // 8-pixel border and 31-pixel caption.
    EXPECT_EQ(widget->size(), QSize(364, 551));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(widget->windowIcon().isNull());
}

enum class Action { Press, DoubleClick };

struct MouseCase {
    const char* name;
    UINT classStyle;
    Action action;
    Qt::MouseButton button;
    Qt::KeyboardModifiers keys;
    std::vector<UINT> messages;
};

void PrintTo(const MouseCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameMouse : public ::testing::TestWithParam<MouseCase> {};

TEST_P(FrameMouse, BecomesWindowMessages) {
    const MouseCase& c = GetParam();
    FramePtr frame(TestFrame::Make(c.classStyle));
    ShowAndWait(*frame);
    const POINT at{123, 234};
    if (c.action == Action::Press) {
        Press(*frame, c.button, at, c.keys);
    } else {
        DoubleClick(*frame, c.button, at);
    }
    std::vector<UINT> seen;
    for (const auto& m : *frame->m_pMessages) {
        seen.push_back(m.message);
        EXPECT_EQ(m.point.x, at.x);
        EXPECT_EQ(m.point.y, at.y);
    }
    EXPECT_EQ(seen, c.messages);
}

constexpr Qt::KeyboardModifiers kNoKeys = Qt::NoModifier;
// clang-format off
const MouseCase kMouseCases[] = {
    // name                                        class style  action               button           keys                                    messages
    {"LeftPress",                                  CS_DBLCLKS, Action::Press,       Qt::LeftButton,   kNoKeys,                                {WM_LBUTTONDOWN}},
    {"RightPress",                                 CS_DBLCLKS, Action::Press,       Qt::RightButton,  kNoKeys,                                {WM_RBUTTONDOWN}},
    {"ShiftControlLeftPress",                      CS_DBLCLKS, Action::Press,       Qt::LeftButton,   Qt::ShiftModifier | Qt::ControlModifier, {WM_LBUTTONDOWN}},
    {"MiddlePressIsNoMessage",                     CS_DBLCLKS, Action::Press,       Qt::MiddleButton, kNoKeys,                                {}},
    {"LeftDoubleClick",                            CS_DBLCLKS, Action::DoubleClick, Qt::LeftButton,   kNoKeys,                                {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}},
    {"RightDoubleClick",                           CS_DBLCLKS, Action::DoubleClick, Qt::RightButton,  kNoKeys,                                {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}},
    {"DoubleClickWithoutClassStyleIsTwoPresses",   0,          Action::DoubleClick, Qt::LeftButton,   kNoKeys,                                {WM_LBUTTONDOWN, WM_LBUTTONDOWN}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, FrameMouse, ::testing::ValuesIn(kMouseCases),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(FrameWnd, CloseRequestSendsCloseThenDestroyAndDeletesFrame) {
    bool deleted = false;
    TestFrame* frame = TestFrame::Make();
    frame->m_pDeleted = &deleted;
    const auto messages = frame->m_pMessages;
    QWidget* widget = frame->GetWidget();
    ShowAndWait(*frame);
    widget->close();
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(widget->isVisible());
    ASSERT_EQ(messages->size(), 2U);
    EXPECT_EQ(messages->at(0).message, WM_CLOSE);
    EXPECT_EQ(messages->at(1).message, WM_DESTROY);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(FrameWnd, DestroyingMainWindowEndsMessageLoop) {
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    CWnd* previous = app->m_pMainWnd;
    TestFrame* frame = TestFrame::Make();
    ShowAndWait(*frame);
    app->m_pMainWnd = frame;
    QTimer::singleShot(0, frame->GetWidget(), [widget = frame->GetWidget()] { widget->close(); });
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app->m_pMainWnd = previous;
}

// No loop runs, so there is nothing to end, and a later loop (a dialog's)
// must run normally.
TEST(FrameWnd, DestroyingMainWindowOutsideTheLoopLeavesLaterLoopsAlone) {
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    CWnd* previous = app->m_pMainWnd;
    TestFrame* frame = TestFrame::Make();
    app->m_pMainWnd = frame;
    frame->DestroyWindow();
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(5); });
    EXPECT_EQ(loop.exec(), 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app->m_pMainWnd = previous;
}

TEST(FrameWnd, RepaintWithoutPaintHandlerErasesWithClassBackground) {
    auto* frame = new CFrameWnd;
    WNDCLASS wndClass;
    wndClass.background = RGB(10, 20, 30);
    frame->Create(wndClass, "Plain", kTestOuterRect);
    ShowAndWait(*frame);
    Repaint(*frame);
    const QImage picture = Picture(*frame);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(PixelAt(*frame, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(PixelAt(*frame, picture.width() - 1, picture.height() - 1), RGB(10, 20, 30));
    Destroy(frame);
}

} // namespace
