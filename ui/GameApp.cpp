#include "ui/GameApp.h"

#include "game/Random.h"
#include "ui/GameAccessible.h"
#include "ui/GameFrame.h"

#include <chrono>

namespace {

// Ties the running window to the installed menu entry and its icon.
constexpr const char* kAppID = "io.github.dorvanex.Dorvanex";

} // namespace

CGameApp theApp;

BOOL CGameApp::InitInstance() {
    SetAppID(kAppID);
    SeedRandom(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    InstallGameAccessibility();
    m_pMainWnd = new CGameFrame;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
