#include "ui/GameApp.h"

#include "ui/GameFrame.h"

namespace {

// Ties the running window to the installed menu entry and its icon.
constexpr const char* kAppID = "io.github.dorvanex.Dorvanex";

} // namespace

CGameApp theApp;

BOOL CGameApp::InitInstance() {
    SetAppID(kAppID);
    m_pMainWnd = new CGameFrame;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
