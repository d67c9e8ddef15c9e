#include "bench/BenchGame.h"

#include "bench/GameInput.h"

#include "platform/Dialog.h"
#include "tests/support/WindowDriver.h"
#include "ui/GameApp.h"
#include "ui/GameFrame.h"

#include <QTest>

namespace bench {
namespace {

constexpr int kTurnsBeforeTiming = 4;

} // namespace

CGameFrame* MakeFourPlayerGame(int nRepeat) {
    // The frame's constructor runs the dialog modally; the watcher answers
    // it from inside that run. A dialog it cannot answer is cancelled, so
    // the game starts with one player and the caller's check reports it
    // instead of the run waiting for ever.
    const support::DialogWatcher answer([nRepeat](QWidget* /*modal*/, CDialog& dlg) {
        if (!AnswerFourPlayers(dlg, nRepeat)) {
            dlg.EndDialog(IDCANCEL);
        }
    });
    auto* frame = new CGameFrame;
    theApp.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(frame->GetWidget());
    for (int turn = 0; turn < kTurnsBeforeTiming; ++turn) {
        PlayTurn(*frame);
    }
    return frame;
}

} // namespace bench
