#include "bench/GameInput.h"

#include "bench/TurnPlan.h"

#include "platform/Dialog.h"
#include "tests/support/WindowDriver.h"
#include "ui/GameFrame.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <string>
#include <vector>

namespace bench {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               CPoint at) {
    const QPointF local(at.x, at.y);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

bool AnswerFourPlayers(CDialog& dlg, int nRepeat) {
    std::vector<std::string> names;
    for (const char* name : kPlayerNames) {
        names.emplace_back();
        for (int i = 0; i < nRepeat; ++i) {
            names.back() += name;
        }
    }
    if (!support::TickSlots(dlg, names)) {
        return false;
    }
    QWidget* modal = dlg.GetWidget();
    QWidget* target = modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
    return true;
}

void SendPress(QWidget* widget, Qt::MouseButton button, CPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, button, button, at);
}

void SendRelease(QWidget* widget, Qt::MouseButton button, CPoint at) {
    SendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
}

void DeliverRepaints() {
    QCoreApplication::sendPostedEvents();
}

void PlayTurn(CGameFrame& frame) {
    const auto click = [widget = frame.GetWidget()](Qt::MouseButton button, CPoint at) {
        SendPress(widget, button, at);
        SendRelease(widget, button, at);
        DeliverRepaints();
    };
    click(Qt::RightButton, CPoint{});
    click(Qt::LeftButton, DieAt(frame, 0));
    for (int roll = 1; roll < kRollsPerTurn; ++roll) {
        click(Qt::RightButton, CPoint{});
    }
    click(Qt::LeftButton, OpenRow(frame));
}

} // namespace bench
