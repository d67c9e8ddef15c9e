#include "platform/Gdi.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kTenthsPerInch = 720;

// The system font: a bold sans-serif whose character cell is 16 pixels high
// at 96 dpi (an em of 14 pixels in Liberation Sans).
constexpr const char* kSystemFace = "Liberation Sans";
constexpr int kSystemEmAt96Dpi = 14;

// A screen that reports no sensible resolution counts as 96 dpi.
int ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

BOOL CFont::CreatePointFont(int nPointSize, const std::string& faceName) {
    if (faceName.empty() || nPointSize < 1) {
        return FALSE;
    }
    m_strFace = faceName;
    // In 64 bits, so that no size overflows on the way.
    const long long pixels = static_cast<long long>(ScreenDpi()) * nPointSize / kTenthsPerInch;
    m_nPixelHeight = static_cast<int>(std::min<long long>(pixels, std::numeric_limits<int>::max()));
    m_bBold = false;
    return m_nPixelHeight > 0 ? TRUE : FALSE;
}

BOOL CFont::DeleteObject() {
    if (!IsCreated()) {
        return FALSE;
    }
    m_strFace.clear();
    m_nPixelHeight = 0;
    m_bBold = false;
    return TRUE;
}

QFont CFont::ToQFont() const {
    if (!IsCreated()) {
        return static_cast<CFont*>(GetStockObject(SYSTEM_FONT))->ToQFont();
    }
    QFont font(QString::fromStdString(m_strFace));
    font.setPixelSize(m_nPixelHeight);
    font.setBold(m_bBold);
    return font;
}

CGdiObject* GetStockObject(int nIndex) {
    switch (nIndex) {
    case WHITE_BRUSH: {
        static CBrush white(RGB(255, 255, 255));
        return &white;
    }
    case HOLLOW_BRUSH: {
        static CBrush hollow;
        return &hollow;
    }
    case SYSTEM_FONT: {
        // At least one pixel even on a screen of a few dpi: text drawn with a
        // font that is not created falls back to this one, which must be.
        static CFont system(kSystemFace, std::max(1, kSystemEmAt96Dpi * ScreenDpi() / kDefaultDpi),
                            true);
        return &system;
    }
    default:
        return nullptr;
    }
}
