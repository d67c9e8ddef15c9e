#include "ui/GameApp.h"

#include "ui/GameFrame.h"

CGameApp theApp;

CBrush g_brushBox(RGB(125, 250, 250));

BOOL CGameApp::InitInstance() {
    m_pMainWnd = new CGameFrame;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
