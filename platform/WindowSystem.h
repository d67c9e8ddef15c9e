#pragma once

// What the layer needs to know of the window system beyond what Qt tells it:
// whether a display can be opened at all, and whether another program has
// destroyed one of the layer's windows.

#include <QAbstractNativeEventFilter>

#include <string>

struct xcb_connection_t;

// Qt ends the program with an abort when none of the platforms it tries can
// be opened. This tries the same platforms in the same order first: Qt's
// choice (QT_QPA_PLATFORM, or else Wayland where WAYLAND_DISPLAY is set or
// XDG_SESSION_TYPE is "wayland", then X11) is left as it is.
class CDisplayProbe {
public:
    CDisplayProbe();
    ~CDisplayProbe();
    CDisplayProbe(const CDisplayProbe&) = delete;
    CDisplayProbe& operator=(const CDisplayProbe&) = delete;

    // A sentence naming every display that could not be opened when none
    // could; empty when one can or one of the platforms is not known here,
    // so that Qt itself is left to try it.
    const std::string& Failure() const { return m_failure; }
    // Closes the X connection the probe opened. An X server whose last
    // client leaves resets itself and turns new clients away meanwhile, so
    // the probe keeps its connection until Qt has made its own.
    void Release();

private:
    std::string m_failure;
    xcb_connection_t* m_pConnection = nullptr;
};

// Watches the X11 connection for top-level windows of the layer that another
// program has destroyed (an X client may destroy any window). Such a window
// is treated as closed from then on: its CWnd's OnWindowLost() runs once
// control is back in the event loop. Install it once the Qt application
// exists; on other window systems it does nothing.
class CWindowSystemWatch : public QAbstractNativeEventFilter {
public:
    CWindowSystemWatch();
    ~CWindowSystemWatch() override;
    CWindowSystemWatch(const CWindowSystemWatch&) = delete;
    CWindowSystemWatch& operator=(const CWindowSystemWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};
