#include "tests/support/WindowDriver.h"

#include "platform/Dialog.h"
#include "ui/GameFrame.h"
#include "ui/Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace support {
namespace {

constexpr int kPollMs = 10;

} // namespace

QWidget* Control(const CDialog& dlg, int nID) {
    const CWnd* control = dlg.GetDlgItem(nID);
    return control != nullptr ? control->GetWidget() : nullptr;
}

QAbstractButton* SlotBox(const CDialog& dlg, int slot) {
    return qobject_cast<QAbstractButton*>(
        Control(dlg, IDC_CHECKS.at(static_cast<std::size_t>(slot - 1))));
}

QLineEdit* SlotField(const CDialog& dlg, int slot) {
    return qobject_cast<QLineEdit*>(Control(dlg, IDC_NAMES.at(static_cast<std::size_t>(slot - 1))));
}

bool TickSlots(const CDialog& dlg, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size() && i < IDC_CHECKS.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        QAbstractButton* box = SlotBox(dlg, slot);
        QLineEdit* field = SlotField(dlg, slot);
        if (box == nullptr || field == nullptr) {
            return false;
        }
        box->click();
        if (!names[i].empty()) {
            field->setText(QString::fromStdString(names[i]));
        }
    }
    return true;
}

DialogWatcher::DialogWatcher(std::function<void(QWidget* modal, CDialog& dlg)> answer)
    : m_answer(std::move(answer)) {
    m_timer.setInterval(kPollMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dlg = dynamic_cast<CDialog*>(CWnd::FromWidget(modal));
        if (dlg == nullptr || !modal->isVisible()) {
            return;
        }
        m_timer.stop();
        m_answer(modal, *dlg);
    });
    m_timer.start();
}

void CloseGame(CGameFrame* pFrame) {
    if (pFrame != nullptr && pFrame->GetWidget() != nullptr) {
        pFrame->GetWidget()->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace support
