#pragma once

// Drawing objects: solid and hollow brushes, point-size fonts and the stock
// objects every device context starts with. Brushes hold plain values, so a
// brush may be created before the Qt application exists and live for the
// whole run.

#include "platform/WinTypes.h"

#include <string>
#include <utility>

class QFont;

// Stock object indices for GetStockObject / CDC::SelectStockObject.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int HOLLOW_BRUSH = 5;
inline constexpr int SYSTEM_FONT = 13;

class CGdiObject {
public:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;

protected:
    CGdiObject() = default;
};

class CBrush : public CGdiObject {
public:
    // A solid brush of one colour.
    explicit CBrush(COLORREF crColor) : m_crColor(crColor), m_bHollow(false) {}

    // A hollow brush paints nothing; its colour means nothing.
    bool IsHollow() const { return m_bHollow; }
    COLORREF GetColor() const { return m_crColor; }

private:
    friend CGdiObject* GetStockObject(int nIndex);
    CBrush() = default; // the stock hollow brush

    COLORREF m_crColor = 0;
    bool m_bHollow = true;
};

class CFont : public CGdiObject {
public:
    CFont() = default;

    // A font of the named face, nPointSize in tenths of a point. The
    // character (em) height in pixels is the screen's vertical dpi times
    // nPointSize / 720, truncated: 34 pixels for 255 at 96 dpi. Needs the Qt
    // application. Returns FALSE for an empty face or a size below 1.
    BOOL CreatePointFont(int nPointSize, const std::string& faceName);
    // Forgets the font; text drawn with it afterwards uses the system font.
    BOOL DeleteObject();

    bool IsCreated() const { return m_nPixelHeight > 0; }
    const std::string& GetFaceName() const { return m_strFace; }
    // Character (em) height in pixels.
    int GetPixelHeight() const { return m_nPixelHeight; }
    bool IsBold() const { return m_bBold; }
    QFont ToQFont() const;

private:
    friend CGdiObject* GetStockObject(int nIndex);
    CFont(std::string faceName, int nPixelHeight, bool bBold)
        : m_strFace(std::move(faceName)), m_nPixelHeight(nPixelHeight), m_bBold(bBold) {}

    std::string m_strFace;
    int m_nPixelHeight = 0;
    bool m_bBold = false;
};

// The stock object with the given index (WHITE_BRUSH, HOLLOW_BRUSH,
// SYSTEM_FONT), or null for any other. The system font needs the Qt
// application; the stock objects live until the program ends.
CGdiObject* GetStockObject(int nIndex);
