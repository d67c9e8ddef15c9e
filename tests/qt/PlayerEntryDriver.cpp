#include "PlayerEntryDriver.h"

#include "ui/Resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dlgtest {
namespace {

constexpr std::array<int, 4> kCheckIds = {IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
constexpr std::array<int, 4> kNameIds = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
// A mnemonic clicks its button with a short visible press (100 ms in Qt).
constexpr int kMnemonicSettleMs = 300;
constexpr int kActivateTimeoutMs = 2000;

QWidget* Control(const CDialog& dlg, int nID) {
    const CWnd* control = dlg.GetDlgItem(nID);
    return control != nullptr ? control->GetWidget() : nullptr;
}

QCheckBox* Box(const CDialog& dlg, int slot) {
    return qobject_cast<QCheckBox*>(Control(dlg, kCheckIds.at(static_cast<size_t>(slot - 1))));
}

QLineEdit* Field(const CDialog& dlg, int slot) {
    return qobject_cast<QLineEdit*>(Control(dlg, kNameIds.at(static_cast<size_t>(slot - 1))));
}

// Keys go where a person's keystrokes go: to the focused control.
QWidget* KeyTarget(const CDialog& dlg) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : dlg.GetWidget();
}

void Play(CPlayerEntryDlg& dlg, const Step& step) {
    switch (step.kind) {
    case Step::Kind::Click:
        QTest::mouseClick(Box(dlg, step.n), Qt::LeftButton);
        break;
    case Step::Kind::Type:
        QTest::mouseClick(Field(dlg, step.n), Qt::LeftButton);
        QTest::keyClicks(Field(dlg, step.n), QString::fromStdString(step.text));
        break;
    case Step::Kind::Commit: {
        QLineEdit* field = Field(dlg, step.n);
        QTest::mouseClick(field, Qt::LeftButton);
        if (field->hasFocus()) {
            QInputMethodEvent event;
            event.setCommitString(QString::fromStdString(step.text));
            QApplication::sendEvent(field, &event);
        }
        break;
    }
    case Step::Kind::Key:
        QTest::keyClick(KeyTarget(dlg), static_cast<Qt::Key>(step.n));
        break;
    case Step::Kind::Alt:
        QTest::keyClick(KeyTarget(dlg), static_cast<Qt::Key>(Qt::Key_0 + step.n), Qt::AltModifier);
        QTest::qWait(kMnemonicSettleMs);
        break;
    case Step::Kind::Close:
        dlg.GetWidget()->close();
        break;
    case Step::Kind::Expect:
        EXPECT_EQ(StateOf(dlg), step.text);
        break;
    case Step::Kind::ExpectOpen:
        EXPECT_TRUE(dlg.GetWidget() != nullptr && dlg.GetWidget()->isVisible());
        break;
    case Step::Kind::ExpectFocus:
        EXPECT_EQ(QApplication::focusWidget(), Control(dlg, step.n)) << "control " << step.n;
        break;
    }
}

} // namespace

Step Click(int slot) {
    return {Step::Kind::Click, slot, {}};
}
Step Type(int slot, std::string text) {
    return {Step::Kind::Type, slot, std::move(text)};
}
Step Commit(int slot, std::string text) {
    return {Step::Kind::Commit, slot, std::move(text)};
}
Step Enter() {
    return {Step::Kind::Key, Qt::Key_Return, {}};
}
Step Escape() {
    return {Step::Kind::Key, Qt::Key_Escape, {}};
}
Step Tab() {
    return {Step::Kind::Key, Qt::Key_Tab, {}};
}
Step Alt(int digit) {
    return {Step::Kind::Alt, digit, {}};
}
Step Close() {
    return {Step::Kind::Close, 0, {}};
}
Step Expect(std::string state) {
    return {Step::Kind::Expect, 0, std::move(state)};
}
Step ExpectOpen() {
    return {Step::Kind::ExpectOpen, 0, {}};
}
Step ExpectFocus(int nID) {
    return {Step::Kind::ExpectFocus, nID, {}};
}

std::string StateOf(const CPlayerEntryDlg& dlg) {
    std::string state;
    for (int slot = 1; slot <= 4; ++slot) {
        const QCheckBox* box = Box(dlg, slot);
        const QLineEdit* field = Field(dlg, slot);
        if (slot > 1) {
            state += ' ';
        }
        state += box->isChecked() ? (box->isEnabled() ? "X" : "!") : (box->isEnabled() ? "o" : "-");
        state += field->isEnabled() ? '[' : '(';
        state += field->text().toStdString();
        state += field->isEnabled() ? ']' : ')';
    }
    return state;
}

int RunScripted(CDialog& dlg, const std::function<void()>& script) {
    QTimer start;
    start.setSingleShot(true);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        QWidget* widget = dlg.GetWidget();
        EXPECT_TRUE(QTest::qWaitForWindowActive(widget, kActivateTimeoutMs));
        script();
        guard.start(0);
    });
    // Ending a run hides the dialog at once, so a visible one is still running.
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (dlg.GetWidget() != nullptr && dlg.GetWidget()->isVisible()) {
            ADD_FAILURE() << "the dialog is still open after its script";
            dlg.EndDialog(IDCANCEL);
        }
    });
    start.start(0);
    return dlg.DoModal();
}

int RunSteps(CPlayerEntryDlg& dlg, const std::vector<Step>& steps) {
    return RunScripted(dlg, [&] {
        for (const Step& step : steps) {
            Play(dlg, step);
        }
    });
}

std::array<std::string, 4> NamesOf(const CPlayerEntryDlg& dlg) {
    return {dlg.m_strName1, dlg.m_strName2, dlg.m_strName3, dlg.m_strName4};
}

} // namespace dlgtest
