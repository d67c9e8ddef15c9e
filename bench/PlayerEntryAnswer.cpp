#include "bench/PlayerEntryAnswer.h"

#include "platform/Dialog.h"
#include "ui/Resource.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace bench {
namespace {

constexpr int kCheckIds[4] = {IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
constexpr int kNameIds[4] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};

template <typename Widget> Widget* Control(const CDialog& dlg, int nID) {
    const CWnd* control = dlg.GetDlgItem(nID);
    return control != nullptr ? qobject_cast<Widget*>(control->GetWidget()) : nullptr;
}

} // namespace

bool AnswerFourPlayers(QWidget* modal, int nRepeat) {
    const auto* dlg = dynamic_cast<const CDialog*>(CWnd::FromWidget(modal));
    if (dlg == nullptr) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        auto* box = Control<QAbstractButton>(*dlg, kCheckIds[i]);
        auto* field = Control<QLineEdit>(*dlg, kNameIds[i]);
        if (box == nullptr || field == nullptr) {
            return false;
        }
        // Each tick enables the next slot, so the boxes go in order.
        box->click();
        field->setText(QString::fromLatin1(kPlayerNames[i]).repeated(nRepeat));
    }
    QWidget* target = modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
    return true;
}

} // namespace bench
