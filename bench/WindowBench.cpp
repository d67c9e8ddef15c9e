// The game window's paint and click to picture, offscreen, at one device
// pixel ratio per run: --dpr=2 draws the client picture at twice the pixels.
// The ratio must be chosen before the Qt application exists. A window is
// never larger than its screen, so the offscreen screen has the size of a
// real one at ratio 2.
//
// Paint: one full repaint of the client area with four players (title band,
// five dice, eighteen rows, roll and name boxes, four totals), against the
// same repaint of a bare widget that only fills itself; and the same repaint
// with names as long as the dialog lets them be, against the usual one.
// Click to picture: from a left-button press on die 0 delivered to the
// window to the repainted picture, against a bare widget that repaints on a
// press. Die 0 is held and released in turn, so every press changes the
// table and asks for a repaint of the whole client area.

#include "bench/Figures.h"
#include "bench/GameInput.h"
#include "bench/TurnPlan.h"

#include "platform/Dialog.h"
#include "tests/support/WindowDriver.h"
#include "ui/GameApp.h"
#include "ui/GameFrame.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kTurnsBeforeTiming = 4;
// Each name typed this many times over runs past what a field keeps.
constexpr int kLongRepeat = 11000;

// The game's main window: four players named through the real player-entry
// dialog, shown, and a few turns played so the sheets and totals hold
// numbers. A game the dialog did not set up as asked would give a different
// picture, so the run stops there.
CGameFrame* MakeFourPlayerGame(int nRepeat, std::size_t nameLength) {
    // The frame's constructor runs the dialog modally; the watcher answers
    // it from inside that run. A dialog it cannot answer is cancelled, so
    // the game starts with one player and the check below reports it
    // instead of the run waiting for ever.
    const support::DialogWatcher answer([nRepeat](QWidget* /*modal*/, CDialog& dlg) {
        if (!bench::AnswerFourPlayers(dlg, nRepeat)) {
            dlg.EndDialog(IDCANCEL);
        }
    });
    auto* frame = new CGameFrame;
    if (support::Players(*frame) != 4 || frame->GetName(3).size() != nameLength) {
        std::fprintf(stderr, "the player-entry dialog did not take four players as asked\n");
        std::exit(1);
    }
    theApp.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(frame->GetWidget());
    for (int turn = 0; turn < kTurnsBeforeTiming; ++turn) {
        bench::PlayTurn(*frame);
    }
    return frame;
}

// The run's two games, each built on first use and closed at its end.
CGameFrame* g_pGame = nullptr;
CGameFrame* g_pLongNamesGame = nullptr;

// Makes the game the application's main window, which its dice and score
// boxes draw into.
CGameFrame& Use(CGameFrame*& pGame, int nRepeat, std::size_t nameLength) {
    if (pGame == nullptr) {
        pGame = MakeFourPlayerGame(nRepeat, nameLength);
    }
    theApp.m_pMainWnd = pGame;
    return *pGame;
}

CGameFrame& Game() {
    return Use(g_pGame, 1, std::strlen(bench::kPlayerNames[3]));
}

// Each name as long as its field lets it be.
CGameFrame& LongNamesGame() {
    return Use(g_pLongNamesGame, kLongRepeat, support::kFieldLimit);
}

void CloseGames() {
    for (CGameFrame** ppGame : {&g_pGame, &g_pLongNamesGame}) {
        theApp.m_pMainWnd = *ppGame;
        support::CloseGame(*ppGame);
        *ppGame = nullptr;
    }
}

// The floor: a plain widget of the game's client size that fills itself
// with one colour and repaints on a mouse press, as the game window does.
// Shown and exposed once made.
class BareWidget : public QWidget {
public:
    BareWidget() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("Bare window"));
        resize(Game().GetWidget()->size());
        show();
        (void)QTest::qWaitForWindowExposed(this);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(200, 200, 255));
    }
    void mousePressEvent(QMouseEvent*) override { update(); }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : m_pWidget(widget) { widget->installEventFilter(this); }
    ~PaintCounter() override { m_pWidget->removeEventFilter(this); }
    int Count() const { return m_nPaints; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_pWidget && event->type() == QEvent::Paint) {
            ++m_nPaints;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_pWidget;
    int m_nPaints = 0;
};

// Runs step(samples) once an iteration; the step times its own timed part
// with samples.Time. The run fails unless every step repainted the widget.
template <class Step>
void TimeRepaints(benchmark::State& state, QWidget& widget, const char* key, Step step) {
    const PaintCounter paints(&widget);
    bench::Samples samples;
    for (auto _ : state) {
        step(samples);
    }
    if (paints.Count() < state.iterations()) {
        state.SkipWithError("a timed step did not repaint the widget");
        return;
    }
    samples.Publish(state, key);
}

void TimeRepaint(benchmark::State& state, QWidget& widget, const char* key) {
    TimeRepaints(state, widget, key, [&widget](bench::Samples& samples) {
        samples.Time([&widget] { widget.repaint(); });
    });
}

// Times a left-button press at target() until its repaint is delivered; the
// release that follows is not timed.
template <class Target>
void TimeClicks(benchmark::State& state, QWidget& widget, const char* key, Target target) {
    TimeRepaints(state, widget, key, [&](bench::Samples& samples) {
        const CPoint at = target();
        samples.Time([&] {
            bench::SendPress(&widget, Qt::LeftButton, at);
            bench::DeliverRepaints();
        });
        bench::SendRelease(&widget, Qt::LeftButton, at);
    });
}

void BM_PaintGame(benchmark::State& state) {
    TimeRepaint(state, *Game().GetWidget(), "paint");
}

void BM_PaintGameLongNames(benchmark::State& state) {
    TimeRepaint(state, *LongNamesGame().GetWidget(), "paint long names");
}

void BM_PaintBareWidget(benchmark::State& state) {
    BareWidget bare;
    TimeRepaint(state, bare, "paint floor");
}

void BM_ClickGame(benchmark::State& state) {
    CGameFrame& frame = Game();
    TimeClicks(state, *frame.GetWidget(), "click", [&frame] { return bench::DieAt(frame, 0); });
}

void BM_ClickBareWidget(benchmark::State& state) {
    BareWidget bare;
    TimeClicks(state, bare, "click floor", [] { return CPoint{30, 110}; });
}

BENCHMARK(BM_PaintGame);
BENCHMARK(BM_PaintGameLongNames);
BENCHMARK(BM_PaintBareWidget);
BENCHMARK(BM_ClickGame);
BENCHMARK(BM_ClickBareWidget);

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
    CloseGames();
    return 0;
}
