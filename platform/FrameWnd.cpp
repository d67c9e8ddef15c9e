#include "platform/FrameWnd.h"

#include "platform/App.h"
#include "platform/Dc.h"
#include "platform/FrameHost.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

// Where the window system does not report its frame, a frame of this size is
// assumed around the client area.
constexpr int kBorder = 8;
constexpr int kCaption = 31;

// The standard application icon: a plain window glyph, drawn here rather
// than looked up in the desktop's icon theme, which would cost a search of
// the theme folders on disk before the first window could open.
constexpr int kIconSize = 32;
constexpr QRgb kIconFrame = qRgb(64, 64, 64);
constexpr QRgb kIconCaption = qRgb(40, 90, 200);
constexpr QRgb kIconClient = qRgb(255, 255, 255);
constexpr int kIconMargin = 3;
constexpr int kIconCaptionHeight = 6;

QIcon StandardIcon(int icon) {
    if (icon != IDI_APPLICATION) {
        return QIcon();
    }
    QPixmap glyph(kIconSize, kIconSize);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    const QRect window(kIconMargin, kIconMargin, kIconSize - 2 * kIconMargin,
                       kIconSize - 2 * kIconMargin);
    painter.fillRect(window, QColor(kIconFrame));
    painter.fillRect(window.adjusted(1, 1, -1, -1), QColor(kIconClient));
    painter.fillRect(
        QRect(window.left() + 1, window.top() + 1, window.width() - 2, kIconCaptionHeight),
        QColor(kIconCaption));
    painter.end();
    return QIcon(glyph);
}

} // namespace

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(const WNDCLASS& wndClass, const std::string& windowName, const RECT& rect) {
    if (GetWidget() != nullptr) {
        return FALSE;
    }
    QSize outer(rect.right - rect.left, rect.bottom - rect.top);
    // Never larger than the available area of the screen: nothing past it
    // could be seen, and at an extreme scale factor the window's surface
    // alone would take gigabytes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        outer = outer.boundedTo(screen->availableGeometry().size());
    }
    auto* host = new CFrameHost(wndClass.style, wndClass.background, outer);
    if (wndClass.cursor == IDC_ARROW) {
        host->setCursor(Qt::ArrowCursor);
    }
    host->setWindowIcon(StandardIcon(wndClass.icon));
    host->move(rect.left, rect.top);
    // A client area of no pixels would be given a default size when shown.
    host->resize(
        QSize(outer.width() - 2 * kBorder, outer.height() - kCaption - kBorder).expandedTo({1, 1}));
    AttachWidget(host, true);
    SetWindowText(windowName);
    return TRUE;
}

void CFrameWnd::SetDrawRecord(CDrawRecord* pRecord) {
    if (auto* host = dynamic_cast<CFrameHost*>(GetWidget())) {
        host->SetDrawRecord(pRecord);
    }
}

LRESULT CFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        CPaintDC dc(this);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CFrameWnd::PostNcDestroy() {
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
    delete this;
}
