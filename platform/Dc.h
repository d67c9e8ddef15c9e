#pragma once

// Device contexts and the drawing objects they select: drawing into a frame
// window's client area with the classic attributes. A fresh context draws
// black text in the system font on an opaque white text background, with a
// black one-pixel pen and a white brush. CPaintDC begins a repaint and is
// clipped to the area being repainted; CClientDC covers the whole client
// area, unclipped. Outside a repaint, and for a window that is not a frame
// window, nothing is drawn.

#include "platform/Types.h"

#include <string>
#include <utility>

class CFrameWnd;
class CWnd;
class QColor;
class QFont;
class QPainter;

QColor ToQColor(COLORREF c);

// Stock object indices for GetStockObject / CDC::SelectStockObject.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int HOLLOW_BRUSH = 5;
inline constexpr int SYSTEM_FONT = 13;

// Text background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// A drawing object that a context selects: a brush or a font.
class CGdiObject {
public:
    virtual ~CGdiObject() = default;
};

// A brush holds a plain value, so it may be created before the Qt
// application exists and live for the whole run.
class CBrush : public CGdiObject {
public:
    // A solid brush of one colour.
    explicit CBrush(COLORREF crColor) : m_crColor(crColor), m_bHollow(false) {}

private:
    friend class CDC;
    friend CGdiObject* GetStockObject(int nIndex);
    CBrush() = default; // the stock hollow brush, which paints nothing

    COLORREF m_crColor = 0;
    bool m_bHollow = true;
};

class CFont : public CGdiObject {
public:
    CFont() = default;

    // A font of the named face, nPointSize in tenths of a point. The
    // character (em) height in pixels is the screen's vertical dpi times
    // nPointSize / 720, truncated: 34 pixels for 255 at 96 dpi. Needs the Qt
    // application. Returns FALSE for an empty face or a size below 1 pixel.
    BOOL CreatePointFont(int nPointSize, const std::string& faceName);
    // Forgets the font; text drawn with it afterwards uses the system font.
    BOOL DeleteObject();

    // The Qt font text is drawn in: this one, or the system font where this
    // one is not created.
    QFont ToQFont() const;

private:
    friend CGdiObject* GetStockObject(int nIndex);
    CFont(std::string faceName, int nPixelHeight, bool bBold)
        : m_strFace(std::move(faceName)), m_nPixelHeight(nPixelHeight), m_bBold(bBold) {}

    std::string m_strFace;
    int m_nPixelHeight = 0; // 0: not created
    bool m_bBold = false;
};

// The stock object with the given index (WHITE_BRUSH, HOLLOW_BRUSH,
// SYSTEM_FONT), or null for any other. The system font, a bold sans-serif
// whose character cell is 16 pixels high at 96 dpi, needs the Qt
// application; the stock objects live until the program ends.
CGdiObject* GetStockObject(int nIndex);

class CDC {
public:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Each returns the previous value; an unknown mode changes nothing and
    // returns 0.
    COLORREF SetTextColor(COLORREF crColor) { return std::exchange(m_crText, crColor); }
    COLORREF SetBkColor(COLORREF crColor) { return std::exchange(m_crBk, crColor); }
    int SetBkMode(int nBkMode) {
        return nBkMode == OPAQUE || nBkMode == TRANSPARENT ? std::exchange(m_nBkMode, nBkMode) : 0;
    }

    // Each returns the previously selected object; null selects nothing and
    // returns null. The object must outlive its selection.
    CFont* SelectObject(CFont* pFont) {
        return pFont != nullptr ? std::exchange(m_pFont, pFont) : nullptr;
    }
    CBrush* SelectObject(CBrush* pBrush) {
        return pBrush != nullptr ? std::exchange(m_pBrush, pBrush) : nullptr;
    }
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
    CDC(CWnd* pWnd, bool bClipToPaint);

private:
    // Begins painting on the window, clipped as the context is; false when
    // nothing can be drawn: no frame window, or no repaint going on.
    bool BeginPainter(QPainter& painter) const;

    CFrameWnd* m_pFrame;
    bool m_bClipToPaint;
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
    explicit CPaintDC(CWnd* pWnd) : CDC(pWnd, true) {}
};

// A context covering the window's whole client area, unclipped, for drawing
// during a repaint.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd) : CDC(pWnd, false) {}
};
