#include "bench/BenchGame.h"

#include "bench/GameInput.h"
#include "bench/PlayerEntryAnswer.h"

#include "ui/GameApp.h"
#include "ui/GameFrame.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace bench {
namespace {

constexpr int kPollMs = 10;
constexpr int kTurnsBeforeTiming = 4;

} // namespace

CGameFrame* MakeFourPlayerGame(int nRepeat) {
    // The frame's constructor runs the dialog modally; the timer answers it
    // from inside that run.
    QTimer answer;
    answer.setInterval(kPollMs);
    QObject::connect(&answer, &QTimer::timeout, [&answer, nRepeat] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && AnswerFourPlayers(modal, nRepeat)) {
            answer.stop();
        }
    });
    answer.start();
    auto* frame = new CGameFrame;
    theApp.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(frame->GetWidget());
    for (int turn = 0; turn < kTurnsBeforeTiming; ++turn) {
        PlayTurn(*frame);
    }
    return frame;
}

void EndGame(CGameFrame* pFrame) {
    if (pFrame != nullptr && pFrame->GetWidget() != nullptr) {
        pFrame->GetWidget()->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace bench
