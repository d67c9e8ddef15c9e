// The program's entry point: the Qt application, then the application
// object's start-up and message loop. A start that cannot show a window
// says why on one line of standard error and ends with status 1.

#include "platform/App.h"
#include "platform/Dc.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QScreen>

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

namespace {

// Fewer bits per pixel than this leave Qt's widgets unable to draw.
constexpr int kLeastDepth = 15;

// The scales the windows can be shown at. Below 1 Qt makes the windows
// smaller but not what is drawn in them, so the dialog is cut off; past 20 a
// screen of 1,280 x 1,024 pixels holds less of the dialog than its first
// line, and the main window starts below its bottom edge. QT_FONT_DPI
// scales by dpi / 96: below 5 dpi the dialog is never shown.
constexpr double kLeastScale = 1, kGreatestScale = 20;
constexpr int kLeastFontDpi = 5, kGreatestFontDpi = 2000;
// How much of a setting's value a line quotes.
constexpr qsizetype kQuotedLength = 40;

// The program's name, which begins each line of its own.
std::string& ProgramName() {
    static std::string name;
    return name;
}

// Prints a line of the program's own, with any control character made harmless.
void Say(const QString& text) {
    std::string line = ProgramName() + (ProgramName().empty() ? "" : ": ") + text.toStdString();
    for (char& c : line) {
        c = static_cast<unsigned char>(c) < ' ' || c == '\x7f' ? '?' : c;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The display that a platform of Qt's opens, named for the user; reason is
// what Qt said of a platform that is not a desktop's.
QString DisplayOf(const QString& platform, const QString& reason) {
    if (platform.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0) {
        const QString display = qEnvironmentVariable("DISPLAY");
        return display.isEmpty() ? QStringLiteral("an X display (DISPLAY is not set)")
                                 : QStringLiteral("the X display \"%1\"").arg(display);
    }
    if (platform.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive)) {
        const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
            return QStringLiteral("the Wayland connection handed over in WAYLAND_SOCKET (\"%1\")")
                .arg(qEnvironmentVariable("WAYLAND_SOCKET"));
        }
        return QStringLiteral("the Wayland display \"%1\"").arg(name) +
               (!name.startsWith(QLatin1Char('/')) && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                    ? QStringLiteral(" (XDG_RUNTIME_DIR is not set)")
                    : QString());
    }
    return QStringLiteral("the platform \"%1\"").arg(platform) +
           (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason));
}

bool UsableScale(double scale) {
    return std::isfinite(scale) && scale >= kLeastScale && scale <= kGreatestScale;
}

// Qt reads the scale settings once, as the application starts, and one that
// no window can be shown at would leave the program running with no window
// on the screen. Each is read as Qt reads it, and one Qt would use that is
// unusable is dropped, with a line that names it: QT_SCALE_FACTOR is one
// number; QT_SCREEN_SCALE_FACTORS holds entries split by ';', each a factor
// or name=factor, of which Qt skips those that are not numbers above 0;
// QT_FONT_DPI is an integer in C's notation, used when above 0.
void DropUnusableScales() {
    const auto drop = [](const char* pszName, const char* pszUsable) {
        const QString value = qEnvironmentVariable(pszName);
        Say(QStringLiteral("ignoring %1=\"%2%3\": the windows can be shown %4")
                .arg(QLatin1String(pszName), value.left(kQuotedLength),
                     value.size() > kQuotedLength ? QStringLiteral("...") : QString(),
                     QLatin1String(pszUsable)));
        qunsetenv(pszName);
    };
    bool bNumber = false;
    if (const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&bNumber);
        bNumber && !UsableScale(scale)) {
        drop("QT_SCALE_FACTOR", "at scales from 1 to 20");
    }
    for (const QString& entry : qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS").split(u';')) {
        if (const double scale = entry.section(u'=', -1).toDouble(&bNumber);
            bNumber && scale > 0 && !UsableScale(scale)) {
            drop("QT_SCREEN_SCALE_FACTORS", "at scales from 1 to 20");
            break;
        }
    }
    if (const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI", &bNumber);
        bNumber && dpi > 0 && (dpi < kLeastFontDpi || dpi > kGreatestFontDpi)) {
        drop("QT_FONT_DPI", "at 5 to 2000 dpi");
    }
}

// While the Qt application opens the display, standard error is a memory
// file: whatever Qt and the libraries under it say is held back, and passed
// on once the start has worked. Where Qt can open no platform it would end
// the program with an abort and a page of text; instead, each platform it
// tried is named on one line, and the program ends with status 1.
class HeldStart {
public:
    static void Begin() {
        s_held = memfd_create("start", MFD_CLOEXEC);
        s_stderr = s_held >= 0 ? dup(STDERR_FILENO) : -1;
        if (s_stderr >= 0) {
            dup2(s_held, STDERR_FILENO);
        }
        s_previous = qInstallMessageHandler(&HeldStart::OnMessage);
    }
    // The start has worked: passes on what was held.
    static void Release() {
        Restore();
        const QByteArray held = Held();
        (void)!write(STDERR_FILENO, held.constData(), static_cast<std::size_t>(held.size()));
        close(s_held);
    }
    // The start has failed: says why instead.
    static void Fail(const QString& why) {
        Restore();
        Say(why);
    }

private:
    static QByteArray Held() {
        QFile held;
        return held.open(s_held, QIODevice::ReadOnly) && held.seek(0) ? held.readAll()
                                                                      : QByteArray();
    }
    static void Restore() {
        qInstallMessageHandler(s_previous);
        if (s_stderr >= 0) {
            dup2(s_stderr, STDERR_FILENO);
            close(std::exchange(s_stderr, -1));
        }
    }
    // Qt's fatal message, which an abort would follow: each "Could not load
    // (or find) the Qt platform plugin "NAME"" held names a platform tried.
    static void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtFatalMsg) {
            s_previous(type, context, text);
            return;
        }
        QStringList failed;
        for (const QString& line : QString::fromLocal8Bit(Held()).split(QLatin1Char('\n'))) {
            if (line.contains(QLatin1String("the Qt platform plugin"))) {
                failed << DisplayOf(line.section(QLatin1Char('"'), 1, 1),
                                    line.contains(QLatin1String("Could not find"))
                                        ? QStringLiteral("not installed")
                                        : QString());
            }
        }
        if (failed.isEmpty()) {
            failed << DisplayOf(qEnvironmentVariable("QT_QPA_PLATFORM"),
                                text.section(QLatin1Char('\n'), 0, 0));
        }
        Fail(QStringLiteral("cannot open ") + failed.join(QStringLiteral(", nor ")));
        std::_Exit(1);
    }

    static inline int s_held = -1;
    static inline int s_stderr = -1;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    ProgramName() = std::filesystem::path(argc > 0 ? argv[0] : "").filename().string();
    DropUnusableScales();
    // The program takes no command line: only its own name reaches Qt, so
    // no argument can change how it runs.
    int qtArgc = argc > 0 ? 1 : 0;
    HeldStart::Begin();
    QApplication app(qtArgc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QString display = DisplayOf(QGuiApplication::platformName(), {});
    if (screen == nullptr || (screen->depth() > 0 && screen->depth() < kLeastDepth)) {
        HeldStart::Fail(screen == nullptr
                            ? QStringLiteral("cannot open a screen of ") + display
                            : display +
                                  QStringLiteral(" has %1 bits per pixel; %2 or more are needed")
                                      .arg(screen->depth())
                                      .arg(kLeastDepth));
        return 1;
    }
    HeldStart::Release();
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
