#include "bench/WindowBench.h"

#include "bench/BenchGame.h"

#include "ui/GameFrame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

CGameFrame*& Game() {
    static CGameFrame* pFrame = nullptr;
    return pFrame;
}

} // namespace

CGameFrame& SharedGame() {
    if (Game() == nullptr) {
        Game() = MakeFourPlayerGame();
        // Timing a game the dialog did not set up as asked would measure
        // a different picture.
        if (Game()->GetPlayers() != 4 || Game()->GetName(3).empty()) {
            std::fprintf(stderr, "the player-entry dialog did not take four players\n");
            std::exit(1);
        }
    }
    return *Game();
}

void CloseSharedGame() {
    EndGame(Game());
    Game() = nullptr;
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
