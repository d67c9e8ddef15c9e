#pragma once

// CFrameWnd: a top-level window with a title, drawn through device contexts
// (Dc.h). Its class gives every window made from it the background erased
// behind each repaint, the cursor, the icon, and whether a second press
// within the double-click interval arrives as a double-click message.

#include "platform/WinTypes.h"
#include "platform/Wnd.h"

#include <string>

// Class styles. Qt repaints the whole client area on every resize, which
// gives CS_HREDRAW's redraw on horizontal resize to every class.
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;

// The standard arrow cursor and application icon.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDI_APPLICATION = 32512;

struct WNDCLASS {
    UINT style = 0;
    int cursor = IDC_ARROW;
    COLORREF background = RGB(255, 255, 255);
    int icon = IDI_APPLICATION;
};

class CDrawRecord;

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the window hidden. rect is the outer rectangle in screen
    // pixels, frame included, cut to the available area of the screen where
    // it is larger; where the window system does not report its frame, the
    // client area is that less a standard 8-pixel border and a 31-pixel
    // caption. Returns FALSE when the window already exists.
    BOOL Create(const WNDCLASS& wndClass, const std::string& windowName, const RECT& rect);

    // Attaches a record that every later drawing operation is added to, or
    // detaches it with null.
    void SetDrawRecord(CDrawRecord* pRecord);

protected:
    // WM_PAINT that no table handles still begins and ends a paint, so the
    // background is erased.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A frame window deletes itself once destroyed (so it must be created
    // with new); destroying the main window ends the message loop.
    void PostNcDestroy() override;
};
