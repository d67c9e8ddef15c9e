// Click to picture: from a left-button press on die 0 delivered to the game
// window to the repainted picture, against a bare widget that repaints on a
// press. Die 0 is held and released in turn, so every press changes the
// table and asks for a repaint of the whole client area.

#include "bench/Figures.h"
#include "bench/GameInput.h"
#include "bench/TurnPlan.h"
#include "bench/WindowBench.h"

#include "ui/GameFrame.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

void TimeClicks(benchmark::State& state, QWidget& widget, const std::function<CPoint()>& target,
                const char* key) {
    const bench::PaintCounter paints(&widget);
    bench::Samples samples;
    for (auto _ : state) {
        const CPoint at = target();
        {
            const bench::Sample sample(samples);
            bench::SendPress(&widget, Qt::LeftButton, at);
            bench::DeliverRepaints();
        }
        bench::SendRelease(&widget, Qt::LeftButton, at);
    }
    if (paints.Count() < state.iterations()) {
        state.SkipWithError("a press did not repaint the widget");
        return;
    }
    samples.Publish(state, key);
}

void BM_ClickGame(benchmark::State& state) {
    CGameFrame& frame = bench::SharedGame();
    TimeClicks(
        state, *frame.GetWidget(), [&frame] { return bench::DieAt(frame, 0); }, "click");
}

void BM_ClickBareWidget(benchmark::State& state) {
    bench::BareWidget bare;
    bench::ShowAndWait(bare);
    TimeClicks(
        state, bare,
        [] {
            return CPoint{30, 110};
        },
        "click floor");
}

BENCHMARK(BM_ClickGame);
BENCHMARK(BM_ClickBareWidget);

} // namespace
