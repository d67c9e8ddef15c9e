#include "platform/WindowSystem.h"

#include "platform/Wnd.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#if DORVANEX_HAVE_XCB
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#endif

namespace {

std::string Env(const char* pszName) {
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr ? pszValue : "";
}

// The platform names Qt tries, in its order, without their arguments, in
// lower case as Qt compares them. Qt drops empty parts on both separators,
// so ":xcb:arg" names "xcb" and an entry of colons alone names nothing.
std::vector<std::string> PlatformsQtTries() {
    std::string list = Env("QT_QPA_PLATFORM");
    if (list.empty()) {
        const bool bWayland =
            std::getenv("WAYLAND_DISPLAY") != nullptr || Env("XDG_SESSION_TYPE") == "wayland";
        list = bWayland ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> names;
    std::istringstream entries(list);
    for (std::string entry; std::getline(entries, entry, ';');) {
        const std::size_t begin = entry.find_first_not_of(':');
        if (begin == std::string::npos) {
            continue;
        }
        std::string name = entry.substr(begin, entry.find(':', begin) - begin);
        std::ranges::transform(name, name.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.push_back(name);
    }
    return names;
}

#if DORVANEX_HAVE_XCB

// Nothing when the X display opens, and then the open connection is kept
// in pConnection; else the display, named for the user.
std::optional<std::string> X11Failure(xcb_connection_t*& pConnection) {
    int nScreen = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &nScreen);
    if (xcb_connection_has_error(connection) == 0 &&
        nScreen < xcb_setup_roots_length(xcb_get_setup(connection))) {
        pConnection = connection;
        return std::nullopt;
    }
    xcb_disconnect(connection);
    const std::string display = Env("DISPLAY");
    return display.empty() ? "an X display (DISPLAY is not set)"
                           : "the X display \"" + display + "\"";
}

// Nothing when a compositor listens where a Wayland client connects, else
// the display, named for the user.
std::optional<std::string> WaylandFailure() {
    // A connection handed over by the parent cannot be tried without using it.
    if (std::getenv("WAYLAND_SOCKET") != nullptr) {
        return std::nullopt;
    }
    const std::string name =
        std::getenv("WAYLAND_DISPLAY") != nullptr ? Env("WAYLAND_DISPLAY") : "wayland-0";
    const std::string display = "the Wayland display \"" + name + "\"";
    std::string path = name;
    if (!name.starts_with('/')) {
        const std::string dir = Env("XDG_RUNTIME_DIR");
        if (dir.empty()) {
            return display + " (XDG_RUNTIME_DIR is not set)";
        }
        path = dir + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return display;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return display;
    }
    const bool bOpened =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bOpened ? std::nullopt : std::optional(display);
}

#endif

} // namespace

CDisplayProbe::CDisplayProbe() {
    std::vector<std::string> failures;
    for (const std::string& name : PlatformsQtTries()) {
        std::optional<std::string> failure;
#if DORVANEX_HAVE_XCB
        if (name == "xcb") {
            failure = X11Failure(m_pConnection);
        } else if (name.starts_with("wayland")) {
            failure = WaylandFailure();
        }
#endif
        if (!failure) {
            return;
        }
        if (std::ranges::find(failures, *failure) == failures.end()) {
            failures.push_back(*failure);
        }
    }
    if (failures.empty()) {
        return;
    }
    m_failure = "cannot open " + failures.front();
    for (std::size_t i = 1; i < failures.size(); ++i) {
        m_failure += ", nor " + failures[i];
    }
}

CDisplayProbe::~CDisplayProbe() {
    Release();
}

void CDisplayProbe::Release() {
#if DORVANEX_HAVE_XCB
    if (m_pConnection != nullptr) {
        xcb_disconnect(m_pConnection);
        m_pConnection = nullptr;
    }
#endif
}

CWindowSystemWatch::CWindowSystemWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installNativeEventFilter(this);
    }
}

CWindowSystemWatch::~CWindowSystemWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

bool CWindowSystemWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if DORVANEX_HAVE_XCB
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    // The layer destroys its own windows only after the window has let go
    // of its widget, so a widget that still has its window was destroyed
    // by someone else.
    const xcb_window_t id = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
    const QWidget* widget = QWidget::find(id);
    if (widget == nullptr || !widget->isWindow() || CWnd::FromWidget(widget) == nullptr) {
        return false;
    }
    // Once Qt is done with the event, as the window's handling may delete
    // the widget.
    QTimer::singleShot(0, [id] {
        if (CWnd* wnd = CWnd::FromWidget(QWidget::find(id))) {
            wnd->OnWindowLost();
        }
    });
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}
