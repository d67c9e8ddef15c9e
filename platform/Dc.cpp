#include "platform/Dc.h"

#include "platform/Wnd.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QString>
#include <QTransform>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kTenthsPerInch = 720;

// The system font: an em of 14 pixels in Liberation Sans at 96 dpi.
constexpr const char* kSystemFace = "Liberation Sans";
constexpr int kSystemEmAt96Dpi = 14;

// The one pen of every context.
constexpr COLORREF kPenColor = RGB(0, 0, 0);

// A screen that reports no sensible resolution counts as 96 dpi.
int ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

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
    if (m_nPixelHeight == 0) {
        return FALSE;
    }
    m_strFace.clear();
    m_nPixelHeight = 0;
    return TRUE;
}

QFont CFont::ToQFont() const {
    if (m_nPixelHeight == 0) {
        return static_cast<CFont*>(GetStockObject(SYSTEM_FONT))->ToQFont();
    }
    QFont font(QString::fromStdString(m_strFace));
    font.setPixelSize(m_nPixelHeight);
    font.setBold(m_bBold);
    return font;
}

CGdiObject* GetStockObject(int nIndex) {
    static CBrush white(RGB(255, 255, 255));
    static CBrush hollow;
    // At least one pixel even on a screen of a few dpi: text drawn with a
    // font that is not created falls back to this one, which must be.
    static CFont system(kSystemFace, std::max(1, kSystemEmAt96Dpi * ScreenDpi() / kDefaultDpi),
                        true);
    return nIndex == WHITE_BRUSH    ? static_cast<CGdiObject*>(&white)
           : nIndex == HOLLOW_BRUSH ? static_cast<CGdiObject*>(&hollow)
           : nIndex == SYSTEM_FONT  ? static_cast<CGdiObject*>(&system)
                                    : nullptr;
}

CDC::CDC(CWnd* pWnd, bool bClipToPaint)
    : m_pFrame(dynamic_cast<CFrameWnd*>(pWnd)), m_bClipToPaint(bClipToPaint),
      m_pFont(static_cast<CFont*>(GetStockObject(SYSTEM_FONT))),
      m_pBrush(static_cast<CBrush*>(GetStockObject(WHITE_BRUSH))) {
    // A paint context begins the repaint.
    if (bClipToPaint && m_pFrame != nullptr) {
        m_pFrame->BeginPaint();
    }
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    CGdiObject* pObject = GetStockObject(nIndex);
    if (auto* pFont = dynamic_cast<CFont*>(pObject)) {
        return SelectObject(pFont);
    }
    return SelectObject(dynamic_cast<CBrush*>(pObject));
}

bool CDC::BeginPainter(QPainter& painter) const {
    if (m_pFrame == nullptr || m_pFrame->m_rgnPaint.isEmpty()) {
        return false;
    }
    painter.begin(m_pFrame->GetWidget());
    if (m_bClipToPaint) {
        painter.setClipRegion(m_pFrame->m_rgnPaint);
    }
    return true;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    QPainter painter;
    if (!BeginPainter(painter)) {
        return FALSE;
    }
    if (right <= left || bottom <= top) {
        return TRUE;
    }
    // Drawn on whole device pixels: each edge goes to the nearest device
    // pixel and the pen is as wide as one pixel rounds to, so at a scale
    // such as 1.5 all four sides come out equally wide and the fill meets
    // them with no gap and no overlap. A shape keeps at least one device
    // pixel however small the scale.
    const qreal ratio = m_pFrame->GetWidget()->devicePixelRatioF();
    const auto device = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const int x = device(left), y = device(top);
    const int cx = std::max(device(right) - x, 1), cy = std::max(device(bottom) - y, 1);
    const int pen = std::max(static_cast<int>(std::lround(ratio)), 1);
    const int penX = std::min(pen, cx), penY = std::min(pen, cy);
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    if (!m_pBrush->m_bHollow && cx > 2 * pen && cy > 2 * pen) {
        painter.fillRect(x + pen, y + pen, cx - 2 * pen, cy - 2 * pen,
                         ToQColor(m_pBrush->m_crColor));
    }
    const QColor penColor = ToQColor(kPenColor);
    painter.fillRect(x, y, cx, penY, penColor);
    painter.fillRect(x, y + cy - penY, cx, penY, penColor);
    painter.fillRect(x, y, penX, cy, penColor);
    painter.fillRect(x + cx - penX, y, penX, cy, penColor);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    QPainter painter;
    if (!BeginPainter(painter)) {
        return FALSE;
    }
    const QFont font = m_pFont->ToQFont();
    const QFontMetrics metrics(font);
    const QString string = QString::fromStdString(text);
    // The cells' width costs a second shaping of the text, so it is worked
    // out only for an opaque background.
    if (m_nBkMode == OPAQUE) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                         ToQColor(m_crBk));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(m_crText));
    painter.drawText(QPoint(x, y + metrics.ascent()), string);
    return TRUE;
}
