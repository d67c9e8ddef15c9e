#include "platform/FrameWnd.h"

#include "platform/App.h"
#include "platform/Dc.h"
#include "platform/FrameHost.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace {

// Where the window system does not report its frame, a frame of this size is
// assumed around the client area.
constexpr int kBorder = 8;
constexpr int kCaption = 31;

QIcon StandardIcon(int icon) {
    if (icon != IDI_APPLICATION) {
        return QIcon();
    }
    return QIcon::fromTheme(QStringLiteral("application-x-executable"),
                            QApplication::style()->standardIcon(QStyle::SP_DesktopIcon));
}

} // namespace

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(const WNDCLASS& wndClass, const std::string& windowName, const RECT& rect) {
    if (GetWidget() != nullptr) {
        return FALSE;
    }
    const QSize outer(rect.right - rect.left, rect.bottom - rect.top);
    auto* host = new CFrameHost(wndClass.style, wndClass.background, outer);
    if (wndClass.cursor == IDC_ARROW) {
        host->setCursor(Qt::ArrowCursor);
    }
    host->setWindowIcon(StandardIcon(wndClass.icon));
    host->move(rect.left, rect.top);
    host->resize(outer.width() - 2 * kBorder, outer.height() - kCaption - kBorder);
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
