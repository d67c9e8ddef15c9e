#pragma once

// Helpers for tests of frame windows: the window's surface, pixel colours,
// mouse input through the window system's path, and cleaning up a frame
// (which deletes itself when destroyed).

#include "platform/Wnd.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <string>

namespace support {

// The window's surface as Qt keeps it, at the device pixel ratio: what the
// window has drawn, including what is not shown yet. Null before the first
// repaint. Read it only; a copy kept would make Qt's own image detach.
inline const QImage* Surface(const CWnd& wnd) {
    QBackingStore* store = wnd.GetWidget() != nullptr ? wnd.GetWidget()->backingStore() : nullptr;
    const QPaintDevice* device =
        store != nullptr && !store->size().isEmpty() ? store->paintDevice() : nullptr;
    return device != nullptr && device->devType() == QInternal::Image
               ? static_cast<const QImage*>(device)
               : nullptr;
}

// A copy of the surface; null before the first repaint.
inline QImage Picture(const CWnd& wnd) {
    const QImage* surface = Surface(wnd);
    return surface != nullptr ? surface->copy() : QImage();
}

// Not a colour: what a pixel reads as when there is no surface.
inline constexpr COLORREF kNoPixel = 0xFFFFFFFF;

inline COLORREF PixelAt(const CWnd& wnd, int x, int y) {
    const QImage* surface = Surface(wnd);
    if (surface == nullptr) {
        return kNoPixel;
    }
    const QColor c = surface->pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

inline std::string ColorName(COLORREF c) {
    return "RGB(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c)) + ")";
}

// Whether a program chooses where its windows go. Under Wayland the
// compositor places every window and ignores a client's wish.
inline bool PlatformPlacesWindowsAsAsked() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Shows the window and waits until the window system has exposed it.
inline void ShowAndWait(CWnd& wnd) {
    wnd.ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(wnd.GetWidget());
}

// Presses go through the window system's path, where Qt turns a second
// press within the double-click interval into a double click. A point is
// anything with x and y: the platform's POINT or the game's CPoint.
inline QWindow* Window(const CWnd& wnd) {
    return wnd.GetWidget()->windowHandle();
}

template <class Point>
void Press(CWnd& wnd, Qt::MouseButton button, Point at,
           Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mousePress(Window(wnd), button, keys, QPoint(at.x, at.y));
    QTest::mouseRelease(Window(wnd), button, keys, QPoint(at.x, at.y));
}

template <class Point> void DoubleClick(CWnd& wnd, Qt::MouseButton button, Point at) {
    QTest::mouseDClick(Window(wnd), button, Qt::NoModifier, QPoint(at.x, at.y));
}

// Repaints at once whatever waits to be repainted. A compositor that has not
// yet shown the window's last frame may leave it unexposed for a while, and
// Qt skips repaints until it is exposed again; so a shown window is waited for.
inline void Repaint(CWnd& wnd) {
    if (wnd.GetWidget() != nullptr && wnd.GetWidget()->isVisible()) {
        (void)QTest::qWaitForWindowExposed(wnd.GetWidget());
    }
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

} // namespace support
