// The floor of the start-up figures: a bare Qt window of the game window's
// client size, with nothing in it. Reports when it is shown and when its
// first picture is on screen, then its peak resident memory, and quits.
// With --text it also draws one line of text, so that the fonts are loaded
// as in any window with words in it: a second floor that separates what
// text costs from what the game adds.

#include "bench/Probe.h"
#include "bench/StartupTrace.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// The game window's client area: 380 x 590 less the frame.
constexpr int kClientWidth = 364;
constexpr int kClientHeight = 551;

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(QPoint(24, 52), QStringLiteral("Roll 0"));
    }
};

} // namespace

int main(int argc, char** argv) {
    const bool bText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    // Owned by the application.
    new bench::StartupTrace([](QWindow*) {
        bench::Report("window-shown", bench::MonotonicNs());
        QTimer::singleShot(0, [] {
            bench::ReportMemory();
            QCoreApplication::quit();
        });
    });
    QWidget plain;
    TextWindow text;
    QWidget& window = bText ? static_cast<QWidget&>(text) : plain;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(kClientWidth, kClientHeight);
    bench::Report("show-called", bench::MonotonicNs());
    window.show();
    return QApplication::exec();
}
