// The window benchmarks run offscreen at one device pixel ratio per run:
// --dpr=2 draws the client picture at twice the pixels. The ratio must be
// chosen before the Qt application exists. A window is never larger than its
// screen, so the offscreen screen has the size of a real one at ratio 2.

#include "bench/Figures.h"
#include "bench/WindowBench.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

// Takes --dpr=N out of the arguments; 1 when absent.
std::string TakeRatio(int& argc, char** argv) {
    std::string ratio = "1";
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--dpr=", 6) == 0) {
            ratio = argv[i] + 6;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return ratio;
}

} // namespace

int main(int argc, char** argv) {
    const std::string ratio = TakeRatio(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" DORVANEX_LARGE_SCREEN);
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(ratio));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const std::string at = " at ratio " + ratio;
    bench::PrintFigures({
        {"paint, full client area" + at, "paint", "paint floor", "bare QWidget repaint" + at,
         ratio == "1" ? 1.0 : 0.0},
        {"paint, four 32,767-char names" + at, "paint long names", "paint",
         "the same repaint, 3-char names" + at},
        {"click to picture" + at, "click", "click floor", "bare QWidget press to repaint" + at,
         ratio == "1" ? 2.0 : 0.0},
    });
    bench::CloseSharedGame();
    return 0;
}
