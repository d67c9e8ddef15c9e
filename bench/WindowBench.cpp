#include "bench/WindowBench.h"

#include "bench/BenchGame.h"
#include "bench/GameInput.h"

#include "tests/support/WindowDriver.h"
#include "ui/GameApp.h"
#include "ui/GameFrame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {
namespace {

// Each name typed this many times over runs past what a field keeps.
constexpr int kLongRepeat = 11000;

CGameFrame*& Game() {
    static CGameFrame* pFrame = nullptr;
    return pFrame;
}

CGameFrame*& LongGame() {
    static CGameFrame* pFrame = nullptr;
    return pFrame;
}

// Timing a game the dialog did not set up as asked would measure a
// different picture.
CGameFrame& MadeAsAsked(CGameFrame*& pGame, int nRepeat, std::size_t nameLength) {
    if (pGame == nullptr) {
        pGame = MakeFourPlayerGame(nRepeat);
        if (pGame->GetPlayers() != 4 || pGame->GetName(3).size() != nameLength) {
            std::fprintf(stderr, "the player-entry dialog did not take four players as asked\n");
            std::exit(1);
        }
    }
    theApp.m_pMainWnd = pGame;
    return *pGame;
}

} // namespace

CGameFrame& SharedGame() {
    return MadeAsAsked(Game(), 1, std::strlen(kPlayerNames[3]));
}

CGameFrame& LongNamesGame() {
    return MadeAsAsked(LongGame(), kLongRepeat, support::kFieldLimit);
}

void CloseSharedGame() {
    for (CGameFrame** ppGame : {&Game(), &LongGame()}) {
        theApp.m_pMainWnd = *ppGame;
        support::CloseGame(*ppGame);
        *ppGame = nullptr;
    }
}

BareWidget::BareWidget() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Bare window"));
    resize(SharedGame().GetWidget()->size());
}

void BareWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(200, 200, 255));
}

void BareWidget::mousePressEvent(QMouseEvent*) {
    update();
}

void ShowAndWait(QWidget& widget) {
    widget.show();
    (void)QTest::qWaitForWindowExposed(&widget);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pWidget && event->type() == QEvent::Paint) {
        ++m_nPaints;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace bench
