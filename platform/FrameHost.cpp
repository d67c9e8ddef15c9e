#include "platform/FrameHost.h"

#include "platform/FrameWnd.h"
#include "platform/Wnd.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

namespace {

UINT MessageFor(Qt::MouseButton button, bool bDoubleClick) {
    switch (button) {
    case Qt::LeftButton:
        return bDoubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    case Qt::RightButton:
        return bDoubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    default:
        return 0;
    }
}

} // namespace

CFrameHost::CFrameHost(UINT classStyle, COLORREF background, QSize outerSize)
    : m_nClassStyle(classStyle), m_crBackground(background), m_outerSize(outerSize) {
    // Every repaint erases what it covers, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CFrameHost::BeginPaint() {
    if (m_bErased || !IsPainting()) {
        return;
    }
    EraseRegion();
    const QRect bounds = m_rgnPaint.boundingRect();
    DrawOp op;
    op.kind = DrawOp::Kind::Erase;
    op.context = DrawContext::Paint;
    op.rect = RECT{bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
    op.color = m_crBackground;
    Record(std::move(op));
}

void CFrameHost::EraseRegion() {
    m_bErased = true;
    QPainter painter(this);
    const QColor background = ToQColor(m_crBackground);
    for (const QRect& r : m_rgnPaint) {
        painter.fillRect(r, background);
    }
}

void CFrameHost::Record(DrawOp op) {
    if (m_pRecord != nullptr) {
        m_pRecord->Add(std::move(op));
    }
}

bool CFrameHost::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        FitOuterSize();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// Until the window system reports its frame, the client size assumes a
// standard border and caption; once it does, the client area is sized so the
// whole window has the asked-for outer size. The user's later resizing is
// left alone.
void CFrameHost::FitOuterSize() {
    if (!m_bFitPending || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;
    }
    m_bFitPending = false;
    resize(QSize(m_outerSize.width() - frame.left() - frame.right(),
                 m_outerSize.height() - frame.top() - frame.bottom())
               .expandedTo({1, 1}));
}

// Qt clips every painter on the window to the area being repainted. Paint
// contexts clip themselves to it; window contexts may draw anywhere, so the
// surface's own clip is lifted while the window paints and put back after.
void CFrameHost::paintEvent(QPaintEvent* event) {
    QPaintEngine* engine = nullptr;
    {
        const QPainter probe(this);
        engine = probe.paintEngine();
    }
    if (engine == nullptr) {
        return;
    }
    const QRegion surfaceClip = engine->systemClip();
    engine->setSystemClip(QRegion());
    m_rgnPaint = event->region();
    m_bErased = false;
    if (CWnd* pWnd = CWnd::FromWidget(this)) {
        pWnd->SendMessage(WM_PAINT);
    }
    // A repaint that began no paint context still leaves the area defined.
    if (!m_bErased) {
        EraseRegion();
    }
    m_rgnPaint = QRegion();
    engine->setSystemClip(surfaceClip);
}

void CFrameHost::SendMouseMessage(QMouseEvent* event, bool bDoubleClick) {
    CWnd* pWnd = CWnd::FromWidget(this);
    const UINT message = MessageFor(event->button(), bDoubleClick);
    if (pWnd == nullptr || message == 0) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    const auto x = static_cast<int>(std::floor(pos.x()));
    const auto y = static_cast<int>(std::floor(pos.y()));
    pWnd->SendMessage(message, 0, MakePointLParam(x, y));
}

void CFrameHost::mousePressEvent(QMouseEvent* event) {
    SendMouseMessage(event, false);
}

// A second press within the double-click interval: a double-click message
// for classes that ask for them, otherwise another press.
void CFrameHost::mouseDoubleClickEvent(QMouseEvent* event) {
    SendMouseMessage(event, (m_nClassStyle & CS_DBLCLKS) != 0);
}

// Closing is the window's decision: WM_CLOSE, whose default handling
// destroys the window.
void CFrameHost::closeEvent(QCloseEvent* event) {
    CWnd* pWnd = CWnd::FromWidget(this);
    if (pWnd == nullptr) {
        event->accept();
        return;
    }
    event->ignore();
    pWnd->SendMessage(WM_CLOSE);
}
