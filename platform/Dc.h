#pragma once

// Device contexts: drawing into a frame window's client area with the
// classic attributes. A fresh context draws black text in the system font
// on an opaque white text background, with a black one-pixel pen and a white
// brush. CPaintDC begins a repaint and is clipped to the area being
// repainted; CClientDC covers the whole client area, unclipped. A context of
// a window that is not a frame window draws nothing.

#include "platform/DrawRecord.h"
#include "platform/Gdi.h"
#include "platform/WinTypes.h"

#include <string>

class CWnd;
class CFrameHost;
class QPainter;

// Text background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

class CDC {
public:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Each returns the previous value; an unknown mode changes nothing and
    // returns 0.
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    // Each returns the previously selected object; null selects nothing and
    // returns null. The object must outlive its selection.
    CFont* SelectObject(CFont* pFont);
    CBrush* SelectObject(CBrush* pBrush);
    // Selects HOLLOW_BRUSH, WHITE_BRUSH or SYSTEM_FONT; null for any other.
    CGdiObject* SelectStockObject(int nIndex);

    // Outlines left..right-1 x top..bottom-1 with the one-pixel pen and fills
    // the inside with the selected brush (nothing for a hollow brush).
    BOOL Rectangle(int left, int top, int right, int bottom);
    // Draws the text, verbatim, with its top-left corner at (x, y) in the
    // selected font and text colour. In OPAQUE mode the character cells are
    // first filled with the text background colour.
    BOOL TextOut(int x, int y, const std::string& text);

protected:
    CDC(CWnd* pWnd, DrawContext context);

    CFrameHost* m_pHost;

private:
    // False when nothing can be drawn: no frame window, or no repaint going on.
    bool CanDraw() const;
    // Begins painting on the window, clipped as the context is.
    void BeginPainter(QPainter& painter) const;
    // Adds the operation to the window's drawing record, when one is attached,
    // with the brush, font and colours it is drawn with.
    void RecordRectangle(const RECT& rect) const;
    void RecordText(const RECT& cells, const std::string& text) const;

    DrawContext m_context;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    CFont* m_pFont;
    CBrush* m_pBrush;
};

// The context of one repaint: begins it (erasing the area being repainted
// with the window's background) and is clipped to that area.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
};

// A context covering the window's whole client area, unclipped, for drawing
// during a repaint.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
};
