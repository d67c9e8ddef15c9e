#pragma once

// A frame window for tests of the layer: records the messages it receives
// and paints with whatever the test gives it.

#include "platform/Dc.h"
#include "platform/Wnd.h"

#include <functional>
#include <memory>
#include <vector>

namespace support {

inline constexpr COLORREF kTestBackground = RGB(200, 200, 255);
inline constexpr RECT kTestOuterRect{20, 30, 400, 620};

class TestFrame : public CFrameWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        POINT point;
    };

    // Creates the window hidden with the test background and class style.
    static TestFrame* Make(UINT classStyle = CS_DBLCLKS) {
        auto* pFrame = new TestFrame;
        WNDCLASS wndClass;
        wndClass.style = classStyle;
        wndClass.background = kTestBackground;
        pFrame->Create(wndClass, "Test frame", kTestOuterRect);
        return pFrame;
    }

    ~TestFrame() override {
        if (m_pDeleted != nullptr) {
            *m_pDeleted = true;
        }
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) {
            m_pMessages->push_back({message, wParam, PointFromLParam(lParam)});
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }

    // Every message but WM_PAINT, in order; shared so that a test can read
    // it after the frame has deleted itself.
    std::shared_ptr<std::vector<Message>> m_pMessages = std::make_shared<std::vector<Message>>();
    // Draws the picture through the paint context; null just begins the paint.
    std::function<void(CPaintDC&)> m_paint;
    bool* m_pDeleted = nullptr;

protected:
    void OnPaint() {
        CPaintDC dc(this);
        if (m_paint) {
            m_paint(dc);
        }
    }

    DECLARE_MESSAGE_MAP()
};

} // namespace support
