#pragma once

// Drives the player-entry dialog as a person does, while DoModal runs: a
// script of steps (clicks on the boxes, typing into the fields, keys, the
// close box) played once the dialog is shown and active.

#include "tests/support/WindowDriver.h"
#include "ui/PlayerEntryDlg.h"
#include "ui/Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace support {

using Step = std::function<void(CPlayerEntryDlg&)>;
using Names = std::array<std::string, 4>;

// Keys go where a person's keystrokes go: to the focused control.
inline Step Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [=](CPlayerEntryDlg& dlg) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : dlg.GetWidget(), key, modifiers);
    };
}
inline Step Enter() {
    return Key(Qt::Key_Return);
}
inline Step Escape() {
    return Key(Qt::Key_Escape);
}
inline Step Tab() {
    return Key(Qt::Key_Tab);
}
// Alt with the digit; the box's click lands before the next step.
inline Step Alt(int digit) {
    return Key(static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::AltModifier);
}
// The window manager's close request (the close box).
inline Step Close() {
    return [](CPlayerEntryDlg& dlg) { dlg.GetWidget()->close(); };
}
// Mouse click on check box `slot`.
inline Step Click(int slot) {
    return [=](CPlayerEntryDlg& dlg) { QTest::mouseClick(SlotBox(dlg, slot), Qt::LeftButton); };
}
// Click into name field `slot`, then type Latin-1 text key by key.
inline Step Type(int slot, const char* text) {
    return [=](CPlayerEntryDlg& dlg) {
        QTest::mouseClick(SlotField(dlg, slot), Qt::LeftButton);
        QTest::keyClicks(SlotField(dlg, slot), QString::fromLatin1(text));
    };
}
// Click into name field `slot`, then commit UTF-8 text as an input method does.
inline Step Commit(int slot, const char* text) {
    return [=](CPlayerEntryDlg& dlg) {
        QTest::mouseClick(SlotField(dlg, slot), Qt::LeftButton);
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(text));
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
}
// Click into name field `slot`, then paste UTF-8 text from the clipboard.
inline Step Paste(int slot, const char* text) {
    return [=](CPlayerEntryDlg& dlg) {
        QTest::mouseClick(SlotField(dlg, slot), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        QTest::keyClick(SlotField(dlg, slot), Qt::Key_V, Qt::ControlModifier);
    };
}

// The four slots, e.g. "X[Ann] o() -() -()": X ticked, o unticked and
// enabled, - unticked and disabled; [name] an enabled field, (name) a
// disabled one.
inline std::string StateOf(const CPlayerEntryDlg& dlg) {
    std::string state;
    for (int slot = 1; slot <= 4; ++slot) {
        const QAbstractButton* box = SlotBox(dlg, slot);
        const QLineEdit* field = SlotField(dlg, slot);
        state += slot > 1 ? " " : "";
        state += box->isChecked() ? (box->isEnabled() ? "X" : "!") : (box->isEnabled() ? "o" : "-");
        state += field->isEnabled() ? '[' : '(';
        state += field->text().toStdString() + (field->isEnabled() ? ']' : ')');
    }
    return state;
}
inline Step Expect(std::string state) {
    return [=](CPlayerEntryDlg& dlg) { EXPECT_EQ(StateOf(dlg), state); };
}
inline Step ExpectOpen() {
    return [](CPlayerEntryDlg& dlg) { EXPECT_TRUE(dlg.GetWidget()->isVisible()); };
}
inline Step ExpectFocus(int nID) {
    return [=](CPlayerEntryDlg& dlg) {
        EXPECT_EQ(QApplication::focusWidget(), Control(dlg, nID)) << "control " << nID;
    };
}

// Runs DoModal with `script` played inside the modal run; a dialog the
// script leaves open is reported as a failure and cancelled.
inline int RunScripted(CDialog& dlg, const std::function<void()>& script) {
    QTimer start;
    QTimer guard;
    start.setSingleShot(true);
    guard.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        // A compositor activates the dialog some time after it is shown,
        // when it gives it the keyboard; the offscreen platform does so at once.
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg.GetWidget(); }));
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

inline int RunSteps(CPlayerEntryDlg& dlg, const std::vector<Step>& steps) {
    return RunScripted(dlg, [&] {
        for (const Step& step : steps) {
            step(dlg);
        }
    });
}

inline Names NamesOf(const CPlayerEntryDlg& dlg) {
    return {dlg.m_strName1, dlg.m_strName2, dlg.m_strName3, dlg.m_strName4};
}

} // namespace support
