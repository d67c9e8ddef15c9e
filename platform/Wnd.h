#pragma once

// CWnd: a window of the framework layer, backed by a Qt widget. Every event
// the widget receives becomes a window message that goes through
// WindowProc: first the class's message table, then the default handling.

#include "platform/MessageMap.h"
#include "platform/WinTypes.h"

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
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The message table first, the default handling for whatever no table lists.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sends WM_DESTROY, then gives up the widget (deleted once control is back
    // in the event loop, so a handler may destroy its own window). Returns
    // FALSE when there is no window.
    virtual BOOL DestroyWindow();

    // Asks for a repaint of the whole client area (bErase is accepted for
    // the classic signature; the background is always erased).
    void Invalidate(BOOL bErase = TRUE);
    // Paints at once whatever is waiting to be repainted.
    void UpdateWindow();
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void GetClientRect(RECT* pRect) const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // The window system has destroyed the window behind this one (another
    // program did): the window is destroyed, as after a close.
    virtual void OnWindowLost();

    // The widget behind the window, or null when there is none.
    QWidget* GetWidget() const { return m_pWidget; }
    // The window that owns a widget the layer created, or null.
    static CWnd* FromWidget(const QWidget* pWidget);

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_MSGMAP* GetThisMessageMap();

    // Looks the message up in the tables; true when a handler took it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
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
