#include "platform/Wnd.h"

#include "platform/App.h"
#include "platform/Dc.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cmath>

namespace {

// The dynamic property through which a widget finds the window it belongs to.
constexpr const char* kOwnerProperty = "dorvanexWnd";

// Where the window system does not report its frame, a frame of this size is
// assumed around the client area.
constexpr int kBorder = 8, kCaption = 31;

// The standard application icon: a plain window glyph of 32 x 32 pixels,
// drawn here rather than looked up in the desktop's icon theme, which would
// cost a search of the theme folders on disk before the first window could
// open.
QIcon StandardIcon() {
    QPixmap glyph(32, 32);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.fillRect(3, 3, 26, 26, QColor(64, 64, 64)); // the frame
    painter.fillRect(4, 4, 24, 24, Qt::white);          // the client area
    painter.fillRect(4, 4, 24, 6, QColor(40, 90, 200)); // the caption
    painter.end();
    return QIcon(glyph);
}

// Another X client may destroy any window, ours included. A top-level window
// of the layer destroyed that way counts as closed from then on: its
// OnWindowLost() runs once control is back in the event loop. The layer
// destroys its own windows only after the window has let go of its widget,
// so a widget that still has its window was destroyed by someone else.
class LostWindowWatch : public QAbstractNativeEventFilter {
public:
    LostWindowWatch() { QCoreApplication::instance()->installNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_destroy_notify_event_t*>(message);
        const QWidget* widget = eventType == "xcb_generic_event_t" &&
                                        (event->response_type & ~0x80) == XCB_DESTROY_NOTIFY
                                    ? QWidget::find(event->window)
                                    : nullptr;
        // Once Qt is done with the event, as the window's handling may delete
        // the widget.
        if (widget != nullptr && widget->isWindow() && CWnd::FromWidget(widget) != nullptr) {
            QTimer::singleShot(0, [id = event->window] {
                if (CWnd* wnd = CWnd::FromWidget(QWidget::find(id))) {
                    wnd->OnWindowLost();
                }
            });
        }
        return false;
    }
};

} // namespace

// The Qt widget behind a frame window. Once the window has let go of it, it
// only waits to be deleted: events still reaching it find no window.
class CFrameHost : public QWidget {
public:
    explicit CFrameHost(QSize outerSize) : m_outerSize(outerSize) {
        // Every repaint erases what it covers, so Qt need not clear behind it.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    // Until the window system reports its frame, the client size assumes a
    // standard border and caption; once it does, the client area is sized so
    // the whole window has the asked-for outer size. The user's later
    // resizing is left alone.
    bool event(QEvent* event) override {
        const QEvent::Type type = event->type();
        const QMargins frame =
            windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
        if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
             type == QEvent::WindowActivate) &&
            !m_outerSize.isEmpty() && !frame.isNull()) {
            resize(m_outerSize.shrunkBy(frame).expandedTo({1, 1}));
            m_outerSize = QSize();
        }
        // No window system need hold a window to the sizes it may take (a
        // bare X server holds none, and a window manager may pass on any
        // client's request), so the window holds itself: a client area grown
        // past the available area of its screens is cut back at once, before
        // its surface is made for the new size. Nothing past that area could
        // be seen, and a surface of 32,767 pixels square takes 4 GB.
        const QSize bound = screen() != nullptr ? screen()->availableVirtualSize() : size();
        if (type == QEvent::Resize && (width() > bound.width() || height() > bound.height())) {
            resize(size().boundedTo(bound));
        }
        return QWidget::event(event);
    }

    // Qt clips every painter on the window to the area being repainted. Paint
    // contexts clip themselves to it; window contexts may draw anywhere, so
    // the surface's own clip is lifted while the window paints and put back
    // after. A repaint that began no paint context still erases its area.
    void paintEvent(QPaintEvent* event) override {
        QPaintEngine* engine = QPainter(this).paintEngine();
        CFrameWnd* pFrame = Frame();
        if (engine == nullptr || pFrame == nullptr) {
            return;
        }
        const QRegion surfaceClip = engine->systemClip();
        engine->setSystemClip(QRegion());
        pFrame->m_rgnPaint = event->region();
        pFrame->m_bErased = false;
        pFrame->SendMessage(WM_PAINT);
        // The handler may have destroyed the window.
        if (Frame() == pFrame) {
            pFrame->BeginPaint();
            pFrame->m_rgnPaint = QRegion();
        }
        engine->setSystemClip(surfaceClip);
    }

    void mousePressEvent(QMouseEvent* event) override { SendMouseMessage(event, false); }
    // A second press within the double-click interval.
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const CFrameWnd* pFrame = Frame();
        SendMouseMessage(event, pFrame != nullptr && (pFrame->m_class.style & CS_DBLCLKS) != 0);
    }

    // Closing is the window's decision: WM_CLOSE, whose default handling
    // destroys the window.
    void closeEvent(QCloseEvent* event) override {
        if (CFrameWnd* pFrame = Frame()) {
            event->ignore();
            pFrame->SendMessage(WM_CLOSE);
        }
    }

private:
    CFrameWnd* Frame() const { return static_cast<CFrameWnd*>(CWnd::FromWidget(this)); }

    void SendMouseMessage(QMouseEvent* event, bool bDoubleClick) {
        CFrameWnd* pFrame = Frame();
        const bool bLeft = event->button() == Qt::LeftButton;
        if (pFrame == nullptr || (!bLeft && event->button() != Qt::RightButton)) {
            event->ignore();
            return;
        }
        const UINT message = bLeft ? (bDoubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                                   : (bDoubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
        const QPointF pos = event->position();
        pFrame->SendMessage(message, 0,
                            MakePointLParam(static_cast<int>(std::floor(pos.x())),
                                            static_cast<int>(std::floor(pos.y()))));
    }

    QSize m_outerSize; // empty once fitted
};

CWnd::~CWnd() {
    if (m_pWidget != nullptr) {
        m_pWidget->setProperty(kOwnerProperty, QVariant());
        if (m_bOwnsWidget) {
            delete m_pWidget;
        }
    }
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = message == WM_COMMAND ? static_cast<int>(wParam) : 0;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage == message && entry->nID == id) {
                if (entry->pfnMouse != nullptr) {
                    (this->*entry->pfnMouse)(static_cast<UINT>(wParam), PointFromLParam(lParam));
                } else {
                    (this->*entry->pfn)();
                }
                return 0;
            }
        }
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow();
    }
    return 0;
}

BOOL CWnd::DestroyWindow() {
    if (m_pWidget == nullptr) {
        return FALSE;
    }
    SendMessage(WM_DESTROY);
    QWidget* widget = m_pWidget;
    m_pWidget = nullptr;
    widget->setProperty(kOwnerProperty, QVariant());
    if (m_bOwnsWidget) {
        widget->hide();
        widget->deleteLater();
    }
    PostNcDestroy();
    return TRUE;
}

void CWnd::AttachWidget(QWidget* pWidget, bool bOwns) {
    // From the first window on, windows that other programs destroy are noticed.
    static LostWindowWatch watch;
    m_pWidget = pWidget;
    m_bOwnsWidget = bOwns;
    pWidget->setProperty(kOwnerProperty, QVariant::fromValue(static_cast<void*>(this)));
}

CWnd* CWnd::FromWidget(const QWidget* pWidget) {
    return pWidget != nullptr ? static_cast<CWnd*>(pWidget->property(kOwnerProperty).value<void*>())
                              : nullptr;
}

void CWnd::Invalidate(BOOL) {
    if (m_pWidget != nullptr) {
        m_pWidget->update();
    }
}

void CWnd::UpdateWindow() {
    if (m_pWidget != nullptr) {
        m_pWidget->repaint();
    }
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_pWidget == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = m_pWidget->isVisible() ? TRUE : FALSE;
    m_pWidget->setVisible(nCmdShow != SW_HIDE);
    if (nCmdShow != SW_HIDE) {
        m_pWidget->raise();
        m_pWidget->activateWindow();
    }
    return wasVisible;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (m_pWidget == nullptr) {
        return FALSE;
    }
    const BOOL wasDisabled = m_pWidget->isEnabled() ? FALSE : TRUE;
    m_pWidget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CFrameWnd::Create(const WNDCLASS& wndClass, const std::string& windowName, const RECT& rect) {
    if (GetWidget() != nullptr) {
        return FALSE;
    }
    m_class = wndClass;
    QSize outer(rect.right - rect.left, rect.bottom - rect.top);
    // Never larger than the available area of the screen: nothing past it
    // could be seen, and at an extreme scale factor the window's surface
    // alone would take gigabytes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        outer = outer.boundedTo(screen->availableGeometry().size());
    }
    auto* host = new CFrameHost(outer);
    if (wndClass.cursor == IDC_ARROW) {
        host->setCursor(Qt::ArrowCursor);
    }
    if (wndClass.icon == IDI_APPLICATION) {
        host->setWindowIcon(StandardIcon());
    }
    host->setWindowTitle(QString::fromStdString(windowName));
    host->move(rect.left, rect.top);
    // A client area of no pixels would be given a default size when shown.
    host->resize(
        QSize(outer.width() - 2 * kBorder, outer.height() - kCaption - kBorder).expandedTo({1, 1}));
    AttachWidget(host, true);
    return TRUE;
}

void CFrameWnd::BeginPaint() {
    if (m_bErased || m_rgnPaint.isEmpty()) {
        return;
    }
    m_bErased = true;
    QPainter painter(GetWidget());
    for (const QRect& r : m_rgnPaint) {
        painter.fillRect(r, ToQColor(m_class.background));
    }
}

void CFrameWnd::PostNcDestroy() {
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
    delete this;
}
