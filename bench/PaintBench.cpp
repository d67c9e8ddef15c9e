// Paint: one full repaint of the game window's client area with four
// players (title band, five dice, eighteen rows, roll and name boxes, four
// totals), against the same repaint of a bare widget that only fills itself;
// and the same repaint with names as long as the dialog lets them be,
// against the usual one.

#include "bench/Figures.h"
#include "bench/WindowBench.h"

#include "ui/GameFrame.h"

#include <benchmark/benchmark.h>

namespace {

void TimeRepaints(benchmark::State& state, QWidget& widget, const char* key) {
    const bench::PaintCounter paints(&widget);
    bench::Samples samples;
    for (auto _ : state) {
        const bench::Sample sample(samples);
        widget.repaint();
    }
    if (paints.Count() < state.iterations()) {
        state.SkipWithError("a repaint did not reach the widget");
        return;
    }
    samples.Publish(state, key);
}

void BM_PaintGame(benchmark::State& state) {
    TimeRepaints(state, *bench::SharedGame().GetWidget(), "paint");
}

void BM_PaintGameLongNames(benchmark::State& state) {
    TimeRepaints(state, *bench::LongNamesGame().GetWidget(), "paint long names");
}

void BM_PaintBareWidget(benchmark::State& state) {
    bench::BareWidget bare;
    bench::ShowAndWait(bare);
    TimeRepaints(state, bare, "paint floor");
}

BENCHMARK(BM_PaintGame);
BENCHMARK(BM_PaintGameLongNames);
BENCHMARK(BM_PaintBareWidget);

} // namespace
