#pragma once

// Windows of the framework layer, each backed by a Qt widget. Every event
// the widget receives becomes a window message that goes through
// WindowProc: first the class's message table, then the default handling.
//
// CFrameWnd is a top-level window drawn through device contexts (Dc.h). It
// draws while Qt repaints it, straight into the surface Qt keeps for it: a
// repaint sends WM_PAINT, whose paint context erases the area being
// repainted with the class background and is clipped to that area, while
// window contexts draw on the whole surface. Mouse presses, double clicks
// and the close request become window messages; a press carries its client
// point and no key flags.

#include "platform/Types.h"

#include <QRegion>

#include <string>

class QWidget;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // Sends a message straight to this window's WindowProc and returns its result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return WindowProc(message, wParam, lParam);
    }
    // The message table first, the default handling for whatever no table lists.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sends WM_DESTROY, then gives up the widget (deleted once control is back
    // in the event loop, so a handler may destroy its own window). Returns
    // FALSE when there is no window.
    virtual BOOL DestroyWindow();
    // The window system has destroyed the window behind this one (another
    // program did): the window is destroyed, as after a close.
    virtual void OnWindowLost() { DestroyWindow(); }

    // Asks for a repaint of the whole client area; the background is always
    // erased, whatever bErase says.
    void Invalidate(BOOL bErase = TRUE);
    // Paints at once whatever is waiting to be repainted.
    void UpdateWindow();
    // Shows and activates the window, or hides it; returns whether it was visible.
    BOOL ShowWindow(int nCmdShow);
    // Returns whether the window was disabled.
    BOOL EnableWindow(BOOL bEnable = TRUE);

    // The widget behind the window, or null when there is none.
    QWidget* GetWidget() const { return m_pWidget; }
    // The window that owns a widget the layer created, or null.
    static CWnd* FromWidget(const QWidget* pWidget);

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // What a message no table lists gets: WM_CLOSE destroys the window.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called last by DestroyWindow, once the widget is gone.
    virtual void PostNcDestroy() {}

    // Makes the widget this window's own. With bOwns the window deletes it
    // when it is destroyed; otherwise (a dialog's control) the widget's
    // parent does.
    void AttachWidget(QWidget* pWidget, bool bOwns);

private:
    QWidget* m_pWidget = nullptr;
    bool m_bOwnsWidget = false;
};

// Class styles. Qt repaints the whole client area on every resize, which
// gives CS_HREDRAW's redraw on horizontal resize to every class.
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;

// The standard arrow cursor and application icon.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDI_APPLICATION = 32512;

// A window class: what every window made from it gets. With CS_DBLCLKS a
// second press within the double-click interval arrives as a double-click
// message, otherwise as another press.
struct WNDCLASS {
    UINT style = 0;
    int cursor = IDC_ARROW;
    COLORREF background = RGB(255, 255, 255);
    int icon = IDI_APPLICATION;
};

class CFrameWnd : public CWnd {
public:
    // Creates the window hidden. rect is the outer rectangle in screen
    // pixels, frame included, cut to the available area of the screen where
    // it is larger; where the window system does not report its frame, the
    // client area is that less a standard 8-pixel border and a 31-pixel
    // caption. Returns FALSE when the window already exists.
    BOOL Create(const WNDCLASS& wndClass, const std::string& windowName, const RECT& rect);

protected:
    // A frame window deletes itself once destroyed (so it must be created
    // with new); destroying the main window ends the message loop.
    void PostNcDestroy() override;

private:
    friend class CDC;
    friend class CFrameHost;

    // Erases the area being repainted with the class background, once per repaint.
    void BeginPaint();

    WNDCLASS m_class;
    // The area being repainted; empty outside a repaint.
    QRegion m_rgnPaint;
    bool m_bErased = false;
};
