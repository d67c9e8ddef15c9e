#include "GameFrameDriver.h"

#include "FrameTestSupport.h"

#include "platform/Dialog.h"
#include "ui/GameApp.h"
#include "ui/Resource.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace gametest {
namespace {

constexpr std::array<int, 4> kCheckIds = {IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
constexpr std::array<int, 4> kNameIds = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
constexpr const char* kMainTitle = "Dorvanex by Harvelo";
constexpr int kPollMs = 10;

QWidget* Control(const CDialog& dlg, int nID) {
    const CWnd* control = dlg.GetDlgItem(nID);
    return control != nullptr ? control->GetWidget() : nullptr;
}

QWidget* MainWindowWidget() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowTitle() == kMainTitle) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

void TestGameFrame::SetDice(const std::string& faces) {
    std::istringstream in(faces);
    for (CDie& die : m_dice) {
        int face = 0;
        in >> face;
        die.SetValue(face);
    }
}

void TestGameFrame::HoldDie(int i) {
    CDie& die = m_dice.at(static_cast<std::size_t>(i));
    die.Hold();
    die.SetState(DIE_HELD);
}

DialogAnswerer::DialogAnswerer(DialogAnswer answer, DialogSeen* pSeen)
    : m_answer(std::move(answer)), m_pSeen(pSeen) {
    m_timer.setInterval(kPollMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dlg = dynamic_cast<CDialog*>(CWnd::FromWidget(modal));
        if (dlg == nullptr || !modal->isVisible()) {
            return;
        }
        m_timer.stop();
        Answer(modal, *dlg);
    });
    m_timer.start();
}

void DialogAnswerer::Answer(QWidget* modal, CDialog& dlg) {
    if (m_pSeen != nullptr) {
        const QWidget* main = MainWindowWidget();
        m_pSeen->shown = true;
        m_pSeen->frameHidden = main != nullptr && !main->isVisible();
        m_pSeen->frameDisabled = main != nullptr && !main->isEnabled();
    }
    for (std::size_t i = 0; i < m_answer.ticked.size() && i < kCheckIds.size(); ++i) {
        QTest::mouseClick(Control(dlg, kCheckIds[i]), Qt::LeftButton);
        auto* field = qobject_cast<QLineEdit*>(Control(dlg, kNameIds[i]));
        if (field != nullptr && !m_answer.ticked[i].empty()) {
            field->setText(QString::fromStdString(m_answer.ticked[i]));
        }
    }
    QTest::keyClick(modal, m_answer.cancel ? Qt::Key_Escape : Qt::Key_Return);
    if (dlg.GetWidget() != nullptr && dlg.GetWidget()->isVisible()) {
        ADD_FAILURE() << "the player-entry dialog refused the answer";
        dlg.EndDialog(IDCANCEL);
    }
}

TestGameFrame* MakeGame(const DialogAnswer& answer, DialogSeen* pSeen) {
    const DialogAnswerer answerer(answer, pSeen);
    auto* frame = new TestGameFrame;
    theApp.m_pMainWnd = frame;
    frametest::ShowAndWait(*frame);
    frametest::Repaint(*frame);
    return frame;
}

void EndGame(CGameFrame* pFrame) {
    if (pFrame != nullptr && pFrame->GetWidget() != nullptr) {
        pFrame->GetWidget()->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace gametest
