#include "platform/Wnd.h"

#include <QVariant>
#include <QWidget>

namespace {

// The dynamic property through which a widget finds the window it belongs to.
constexpr const char* kOwnerProperty = "dorvanexWnd";

} // namespace

CWnd::~CWnd() {
    if (m_pWidget != nullptr) {
        m_pWidget->setProperty(kOwnerProperty, QVariant());
        if (m_bOwnsWidget) {
            delete m_pWidget;
        }
    }
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) {
        return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const int id = message == WM_COMMAND ? static_cast<int>(LOWORD(wParam)) : 0;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnThunk != nullptr; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && entry->nID == id) {
                *pResult = entry->pfnThunk(this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
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

void CWnd::OnWindowLost() {
    DestroyWindow();
}

void CWnd::AttachWidget(QWidget* pWidget, bool bOwns) {
    m_pWidget = pWidget;
    m_bOwnsWidget = bOwns;
    if (pWidget != nullptr) {
        pWidget->setProperty(kOwnerProperty, QVariant::fromValue(static_cast<void*>(this)));
    }
}

CWnd* CWnd::FromWidget(const QWidget* pWidget) {
    if (pWidget == nullptr) {
        return nullptr;
    }
    return static_cast<CWnd*>(pWidget->property(kOwnerProperty).value<void*>());
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
    if (nCmdShow == SW_HIDE) {
        m_pWidget->hide();
    } else {
        m_pWidget->show();
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

BOOL CWnd::IsWindowEnabled() const {
    return m_pWidget != nullptr && m_pWidget->isEnabled() ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    return m_pWidget != nullptr && m_pWidget->isVisible() ? TRUE : FALSE;
}

void CWnd::GetClientRect(RECT* pRect) const {
    if (pRect == nullptr) {
        return;
    }
    *pRect = RECT{};
    if (m_pWidget != nullptr) {
        pRect->right = m_pWidget->width();
        pRect->bottom = m_pWidget->height();
    }
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_pWidget != nullptr) {
        m_pWidget->setWindowTitle(QString::fromStdString(text));
    }
}

std::string CWnd::GetWindowText() const {
    return m_pWidget != nullptr ? m_pWidget->windowTitle().toStdString() : std::string();
}
