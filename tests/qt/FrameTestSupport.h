#pragma once

// Helpers for tests of frame windows: the client picture, pixel colours,
// mouse input through the window system's path, and cleaning up a frame
// (which deletes itself when destroyed).

#include "platform/FrameHost.h"
#include "platform/FrameWnd.h"

#include <QApplication>
#include <QColor>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <string>

namespace frametest {

inline CFrameHost* Host(const CWnd& wnd) {
    return dynamic_cast<CFrameHost*>(wnd.GetWidget());
}

inline const QImage& Picture(const CWnd& wnd) {
    return Host(wnd)->Picture();
}

inline COLORREF PixelAt(const CWnd& wnd, int x, int y) {
    const QColor c = Picture(wnd).pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

inline std::string ColorName(COLORREF c) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// Shows the window and waits until the window system has exposed it.
inline void ShowAndWait(CWnd& wnd) {
    wnd.ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(wnd.GetWidget());
}

// Presses go through the window system's path, where Qt turns a second
// press within the double-click interval into a double click.
inline QWindow* Window(const CWnd& wnd) {
    return wnd.GetWidget()->windowHandle();
}

inline void Press(CWnd& wnd, Qt::MouseButton button, POINT at,
                  Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mousePress(Window(wnd), button, keys, QPoint(at.x, at.y));
    QTest::mouseRelease(Window(wnd), button, keys, QPoint(at.x, at.y));
}

inline void DoubleClick(CWnd& wnd, Qt::MouseButton button, POINT at) {
    QTest::mouseDClick(Window(wnd), button, Qt::NoModifier, QPoint(at.x, at.y));
}

// Repaints at once whatever waits to be repainted.
inline void Repaint(CWnd& wnd) {
    wnd.UpdateWindow();
}

// Destroys the window (the frame deletes itself) and lets Qt delete the widget.
inline void Destroy(CFrameWnd* pFrame) {
    if (pFrame != nullptr && pFrame->GetWidget() != nullptr) {
        pFrame->DestroyWindow();
    } else {
        delete pFrame;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace frametest
