#include "bench/GameInput.h"

#include "bench/TurnPlan.h"

#include "ui/GameFrame.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace bench {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               CPoint at) {
    const QPointF local(at.x, at.y);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

void SendPress(QWidget* widget, Qt::MouseButton button, CPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, button, button, at);
}

void SendRelease(QWidget* widget, Qt::MouseButton button, CPoint at) {
    SendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
}

void SendClick(QWidget* widget, Qt::MouseButton button, CPoint at) {
    SendPress(widget, button, at);
    SendRelease(widget, button, at);
}

void DeliverRepaints() {
    QCoreApplication::sendPostedEvents();
}

void PlayTurn(CGameFrame& frame) {
    QWidget* widget = frame.GetWidget();
    SendClick(widget, Qt::RightButton, CPoint{});
    DeliverRepaints();
    SendClick(widget, Qt::LeftButton, DieAt(frame, 0));
    DeliverRepaints();
    for (int roll = 1; roll < kRollsPerTurn; ++roll) {
        SendClick(widget, Qt::RightButton, CPoint{});
        DeliverRepaints();
    }
    SendClick(widget, Qt::LeftButton, OpenRow(frame));
    DeliverRepaints();
}

} // namespace bench
