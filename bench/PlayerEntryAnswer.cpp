#include "bench/PlayerEntryAnswer.h"

#include "platform/Dialog.h"
#include "tests/support/WindowDriver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <string>
#include <vector>

namespace bench {

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

} // namespace bench
