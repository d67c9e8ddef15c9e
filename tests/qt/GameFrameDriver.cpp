#include "GameFrameDriver.h"

#include "FrameTestSupport.h"

#include "platform/Dialog.h"
#include "tests/support/Table.h"
#include "ui/GameApp.h"

#include <gtest/gtest.h>

namespace support {
namespace {

constexpr const char* kMainTitle = "Dorvanex by Harvelo";

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
    SetFaces(m_dice, faces);
}

void TestGameFrame::HoldDie(int i) {
    CDie& die = m_dice.at(static_cast<std::size_t>(i));
    die.Hold();
    die.SetState(DIE_HELD);
}

DialogAnswerer::DialogAnswerer(DialogAnswer answer, DialogSeen* pSeen)
    : m_answer(std::move(answer)), m_pSeen(pSeen),
      m_watcher([this](QWidget* modal, CDialog& dlg) { Answer(modal, dlg); }) {
}

void DialogAnswerer::Answer(QWidget* modal, CDialog& dlg) {
    if (m_pSeen != nullptr) {
        const QWidget* main = MainWindowWidget();
        m_pSeen->shown = true;
        m_pSeen->frameHidden = main != nullptr && !main->isVisible();
        m_pSeen->frameDisabled = main != nullptr && !main->isEnabled();
    }
    TickSlots(dlg, m_answer.ticked);
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
    ShowAndWait(*frame);
    Repaint(*frame);
    return frame;
}

} // namespace support
