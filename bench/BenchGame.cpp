#include "bench/BenchGame.h"

#include "bench/GameInput.h"
#include "bench/PlayerEntryAnswer.h"

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
    // it from inside that run.
    const support::DialogWatcher answer(
        [nRepeat](QWidget* modal, CDialog& /*dlg*/) { AnswerFourPlayers(modal, nRepeat); });
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
