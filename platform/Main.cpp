// The program's entry point: the Qt application, then the application
// object's start-up and message loop. A start that cannot show a window
// says why on one line of standard error and ends with status 1.

#include "platform/App.h"
#include "platform/Dc.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Fewer bits per pixel than this leave Qt's widgets unable to draw.
constexpr int kLeastDepth = 15;

// The program's name, which begins a failure line.
std::string& ProgramName() {
    static std::string name;
    return name;
}

// Prints the failure line.
void SayWhy(const QString& text) {
    std::string line = text.toStdString();
    for (char& c : line) {
        c = static_cast<unsigned char>(c) < ' ' ? '?' : c; // one line, whatever the text held
    }
    const std::string& name = ProgramName();
    std::fprintf(stderr, "%s%s%s\n", name.c_str(), name.empty() ? "" : ": ", line.c_str());
    std::fflush(nullptr);
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The display that a platform of Qt's opens, named for the user; reason is
// what Qt said of a platform that is not a desktop's.
QString DisplayOf(const QString& platform, const QString& reason) {
    if (platform.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0) {
        const QString display = qEnvironmentVariable("DISPLAY");
        return display.isEmpty() ? QStringLiteral("an X display (DISPLAY is not set)")
                                 : QStringLiteral("the X display ") + Quoted(display);
    }
    if (platform.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive)) {
        if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
            return QStringLiteral("the Wayland connection handed over in WAYLAND_SOCKET (") +
                   Quoted(qEnvironmentVariable("WAYLAND_SOCKET")) + QLatin1Char(')');
        }
        const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        const bool bNoRuntimeDir =
            !name.startsWith(QLatin1Char('/')) && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR");
        return QStringLiteral("the Wayland display ") + Quoted(name) +
               (bNoRuntimeDir ? QStringLiteral(" (XDG_RUNTIME_DIR is not set)") : QString());
    }
    return QStringLiteral("the platform ") + Quoted(platform) +
           (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')'));
}

// What Qt says while the application opens the display is held back until
// the start is known to have worked, and then passed on as Qt would have
// printed it. Where no platform can be opened Qt ends the program with an
// abort and a page of text; instead, each platform it tried is named on one
// line and the program ends with status 1.
class StartMessages {
public:
    StartMessages() {
        s_pThis = this;
        m_previous = qInstallMessageHandler(&StartMessages::Handle);
    }
    ~StartMessages() { Release(); }
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

    // Passes on what was held, and lets later messages through.
    void Release() {
        const std::scoped_lock lock(s_mutex);
        if (s_pThis != this) {
            return;
        }
        qInstallMessageHandler(m_previous);
        s_pThis = nullptr;
        for (const auto& [type, category, text] : m_held) {
            qt_message_output(type, QMessageLogContext(nullptr, 0, nullptr, category.c_str()),
                              text);
        }
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        const std::scoped_lock lock(s_mutex);
        StartMessages* self = s_pThis;
        if (self == nullptr) {
            return;
        }
        const QString line = text.section(QLatin1Char('\n'), 0, 0);
        // "Could not load (or find) the Qt platform plugin "NAME" ...": the
        // plugin NAME failed, for the reason Qt gave just before.
        if (line.contains(QLatin1String("the Qt platform plugin"))) {
            const bool bMissing = line.startsWith(QLatin1String("Could not find"));
            self->m_failures.push_back(
                DisplayOf(line.section(QLatin1Char('"'), 1, 1),
                          bMissing ? QStringLiteral("no such plugin is installed") : QString()));
        } else if (type == QtFatalMsg) {
            if (self->m_failures.empty()) {
                self->m_failures.push_back(
                    DisplayOf(qEnvironmentVariable("QT_QPA_PLATFORM"), line));
            }
            SayWhy(QStringLiteral("cannot open ") +
                   self->m_failures.join(QStringLiteral(", nor ")));
            std::_Exit(1);
        } else {
            self->m_held.emplace_back(type, context.category != nullptr ? context.category : "",
                                      text);
        }
    }

    static inline std::mutex s_mutex;
    static inline StartMessages* s_pThis = nullptr;
    QtMessageHandler m_previous = nullptr;
    std::vector<std::tuple<QtMsgType, std::string, QString>> m_held;
    QStringList m_failures;
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 0) {
        ProgramName() = std::filesystem::path(argv[0]).filename().string();
    }
    // The program takes no command line: only its own name reaches Qt, so
    // no argument can change how it runs.
    int qtArgc = argc > 0 ? 1 : 0;
    StartMessages messages;
    QApplication app(qtArgc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        SayWhy(QStringLiteral("cannot open a screen of ") +
               DisplayOf(QGuiApplication::platformName(), {}));
        return 1;
    }
    if (screen->depth() < kLeastDepth) {
        SayWhy(DisplayOf(QGuiApplication::platformName(), {}) +
               QStringLiteral(" has %1 bits per pixel; %2 or more are needed")
                   .arg(screen->depth())
                   .arg(kLeastDepth));
        return 1;
    }
    messages.Release();
    // The loop ends with the main window, not with the last window closed:
    // a dialog may close before the main window is first shown.
    QApplication::setQuitOnLastWindowClosed(false);
    // Text without a font of its own is in the system font, as in any window
    // of this layer. Qt would otherwise load its own default face just to lay
    // out the empty text of each new edit field, before the field takes its
    // dialog's font, and keep it for good.
    QApplication::setFont(static_cast<const CFont*>(GetStockObject(SYSTEM_FONT))->ToQFont());
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->InitInstance()) {
        return 0;
    }
    return pApp->Run();
}
