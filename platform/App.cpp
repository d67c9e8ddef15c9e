#include "platform/App.h"

#include <QApplication>
#include <QThread>

CWinApp::CWinApp() {
    s_pApp = this;
}

CWinApp::~CWinApp() {
    if (s_pApp == this) {
        s_pApp = nullptr;
    }
}

int CWinApp::Run() {
    if (m_pMainWnd == nullptr) {
        return 0;
    }
    const int exitCode = QApplication::exec();
    // The destroyed main window's widget is deleted once control is back in
    // an event loop; there is none after this one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}

void CWinApp::SetAppID(const char* pszAppID) {
    QGuiApplication::setDesktopFileName(QString::fromUtf8(pszAppID));
}

CWinApp* AfxGetApp() {
    return CWinApp::s_pApp;
}

CWnd* AfxGetMainWnd() {
    const CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_pMainWnd : nullptr;
}

// Qt remembers a quit asked for while no loop runs and ends the next loop
// at once, a dialog's included; Run() needs none then, as it does not start
// without a main window.
void AfxPostQuitMessage(int nExitCode) {
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(nExitCode);
    }
}
