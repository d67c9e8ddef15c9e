#include "platform/Dc.h"

#include "platform/FrameHost.h"
#include "platform/Wnd.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The one pen of every context.
constexpr COLORREF kPenColor = RGB(0, 0, 0);

} // namespace

CDC::CDC(CWnd* pWnd, DrawContext context)
    : m_pHost(pWnd != nullptr ? dynamic_cast<CFrameHost*>(pWnd->GetWidget()) : nullptr),
      m_context(context), m_pFont(static_cast<CFont*>(GetStockObject(SYSTEM_FONT))),
      m_pBrush(static_cast<CBrush*>(GetStockObject(WHITE_BRUSH))) {
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return std::exchange(m_crText, crColor);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return std::exchange(m_crBk, crColor);
}

int CDC::SetBkMode(int nBkMode) {
    if (nBkMode != OPAQUE && nBkMode != TRANSPARENT) {
        return 0;
    }
    return std::exchange(m_nBkMode, nBkMode);
}

CFont* CDC::SelectObject(CFont* pFont) {
    if (pFont == nullptr) {
        return nullptr;
    }
    return std::exchange(m_pFont, pFont);
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    if (pBrush == nullptr) {
        return nullptr;
    }
    return std::exchange(m_pBrush, pBrush);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    CGdiObject* pObject = GetStockObject(nIndex);
    if (auto* pFont = dynamic_cast<CFont*>(pObject)) {
        return SelectObject(pFont);
    }
    if (auto* pBrush = dynamic_cast<CBrush*>(pObject)) {
        return SelectObject(pBrush);
    }
    return nullptr;
}

bool CDC::CanDraw() const {
    return m_pHost != nullptr && m_pHost->IsPainting();
}

void CDC::BeginPainter(QPainter& painter) const {
    painter.begin(m_pHost);
    if (m_context == DrawContext::Paint) {
        painter.setClipRegion(m_pHost->PaintRegion());
    }
}

void CDC::RecordRectangle(const RECT& rect) const {
    if (!m_pHost->IsRecording()) {
        return;
    }
    DrawOp op;
    op.kind = DrawOp::Kind::Rectangle;
    op.context = m_context;
    op.rect = rect;
    op.color = m_pBrush->GetColor();
    op.hollowBrush = m_pBrush->IsHollow();
    m_pHost->Record(std::move(op));
}

void CDC::RecordText(const RECT& cells, const std::string& text) const {
    if (!m_pHost->IsRecording()) {
        return;
    }
    const CFont* pShown =
        m_pFont->IsCreated() ? m_pFont : static_cast<const CFont*>(GetStockObject(SYSTEM_FONT));
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.context = m_context;
    op.rect = cells;
    op.text = text;
    op.fontFace = pShown->GetFaceName();
    op.fontHeight = pShown->GetPixelHeight();
    op.fontBold = pShown->IsBold();
    op.textColor = m_crText;
    op.bkColor = m_crBk;
    op.bkMode = m_nBkMode;
    m_pHost->Record(std::move(op));
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    if (!CanDraw()) {
        return FALSE;
    }
    RecordRectangle(RECT{left, top, right, bottom});
    if (right <= left || bottom <= top) {
        return TRUE;
    }
    QPainter painter;
    BeginPainter(painter);
    // Drawn on whole device pixels: each edge goes to the nearest device
    // pixel and the pen is as wide as one pixel rounds to, so at a scale
    // such as 1.5 all four sides come out equally wide and the fill meets
    // them with no gap and no overlap. A shape keeps at least one device
    // pixel however small the scale.
    const qreal ratio = m_pHost->devicePixelRatioF();
    const auto device = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const int x = device(left);
    const int y = device(top);
    const int cx = std::max(device(right) - x, 1);
    const int cy = std::max(device(bottom) - y, 1);
    const int pen = std::max(static_cast<int>(std::lround(ratio)), 1);
    const int penX = std::min(pen, cx);
    const int penY = std::min(pen, cy);
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    if (!m_pBrush->IsHollow() && cx > 2 * pen && cy > 2 * pen) {
        painter.fillRect(x + pen, y + pen, cx - 2 * pen, cy - 2 * pen,
                         ToQColor(m_pBrush->GetColor()));
    }
    const QColor penColor = ToQColor(kPenColor);
    painter.fillRect(x, y, cx, penY, penColor);
    painter.fillRect(x, y + cy - penY, cx, penY, penColor);
    painter.fillRect(x, y, penX, cy, penColor);
    painter.fillRect(x + cx - penX, y, penX, cy, penColor);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    if (!CanDraw()) {
        return FALSE;
    }
    const QFont font = m_pFont->ToQFont();
    const QFontMetrics metrics(font);
    const QString string = QString::fromStdString(text);
    // The cells' width costs a second shaping of the text, so it is worked
    // out only where something needs it: an opaque background or a record.
    const bool bNeedCells = m_nBkMode == OPAQUE || m_pHost->IsRecording();
    const QRect cells(x, y, bNeedCells ? metrics.horizontalAdvance(string) : 0, metrics.height());

    RecordText(RECT{x, y, x + cells.width(), y + cells.height()}, text);

    QPainter painter;
    BeginPainter(painter);
    if (m_nBkMode == OPAQUE) {
        painter.fillRect(cells, ToQColor(m_crBk));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(m_crText));
    painter.drawText(QPoint(x, y + metrics.ascent()), string);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* pWnd) : CDC(pWnd, DrawContext::Paint) {
    if (m_pHost != nullptr) {
        m_pHost->BeginPaint();
    }
}

CClientDC::CClientDC(CWnd* pWnd) : CDC(pWnd, DrawContext::Window) {
}
