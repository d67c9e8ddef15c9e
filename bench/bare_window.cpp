// The floor of the start-up figures: a bare Qt window of the game window's
// client size, with nothing in it. Reports when it is shown and when its
// first picture is on screen, then its peak resident memory, and quits.

#include "bench/Probe.h"
#include "bench/StartupTrace.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// The game window's client area: 380 x 590 less the frame.
constexpr int kClientWidth = 364;
constexpr int kClientHeight = 551;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Owned by the application.
    new bench::StartupTrace([](QWindow*) {
        bench::Report("window-shown", bench::MonotonicNs());
        QTimer::singleShot(0, [] {
            bench::ReportMemory();
            QCoreApplication::quit();
        });
    });
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(kClientWidth, kClientHeight);
    bench::Report("show-called", bench::MonotonicNs());
    window.show();
    return QApplication::exec();
}
