// The game with a start-up trace, for the start-up probe. With
// DORVANEX_TRACE_STARTUP set it reports when the player-entry dialog is on
// screen, answers it for four players after a short pause (Enter, as a
// person would), reports when the main window's first picture is on screen,
// plays a few turns through the window, reports the peak resident memory and
// closes the window. Without the variable it is the plain game.

#include "bench/GameInput.h"
#include "bench/StartupTrace.h"

#include "platform/App.h"
#include "platform/Dialog.h"
#include "tests/support/Table.h"
#include "ui/GameFrame.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// A person's pause before Enter; the main window's start is timed from the
// key, so the pause only keeps the dialog's own start-up out of the way.
constexpr int kThinkMs = 100;
constexpr int kTurnsPlayed = 8;

void PlayThenClose() {
    auto* frame = dynamic_cast<CGameFrame*>(AfxGetMainWnd());
    if (frame == nullptr) {
        return;
    }
    bench::Report("players", support::Players(*frame));
    for (int turn = 0; turn < kTurnsPlayed; ++turn) {
        bench::PlayTurn(*frame);
    }
    bench::ReportMemory();
    frame->GetWidget()->close();
}

void OnShown(QWindow* window) {
    const std::int64_t now = bench::MonotonicNs();
    if (window->modality() != Qt::NonModal) {
        bench::Report("dialog-shown", now);
        QTimer::singleShot(kThinkMs, [] {
            auto* dlg = dynamic_cast<CDialog*>(CWnd::FromWidget(QApplication::activeModalWidget()));
            if (dlg == nullptr || !bench::AnswerFourPlayers(*dlg)) {
                bench::Report("dialog-unanswered", 0);
            }
        });
        return;
    }
    bench::Report("window-shown", now);
    QTimer::singleShot(0, PlayThenClose);
}

void InstallTrace() {
    if (qEnvironmentVariableIsSet("DORVANEX_TRACE_STARTUP")) {
        new bench::StartupTrace(OnShown);
    }
}

} // namespace

// Runs as soon as the program's entry point has created the Qt application.
Q_COREAPP_STARTUP_FUNCTION(InstallTrace)
