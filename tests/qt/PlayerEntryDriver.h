#pragma once

// Drives the player-entry dialog as a person does, while DoModal runs: a
// script of steps (clicks on the boxes, typing into the fields, keys, the
// close box) played once the dialog is shown and active.

#include "ui/PlayerEntryDlg.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace dlgtest {

struct Step {
    enum class Kind { Click, Type, Commit, Key, Alt, Close, Expect, ExpectOpen, ExpectFocus };
    Kind kind;
    int n = 0;        // slot 1..4, key code, digit or control id
    std::string text; // typed text, or the expected state
};

// Mouse click on check box `slot`.
Step Click(int slot);
// Click into name field `slot`, then type Latin-1 text key by key.
Step Type(int slot, std::string text);
// Click into name field `slot`, then commit any UTF-8 text as an input method does.
Step Commit(int slot, std::string text);
Step Enter();
Step Escape();
Step Tab();
// Alt with the digit, waiting long enough for the button's click to land.
Step Alt(int digit);
// The close request of the window manager (the close box).
Step Close();
// The four slots, e.g. "X[Ann] o() -() -()": X ticked, o unticked and
// enabled, - unticked and disabled; [name] an enabled field, (name) a
// disabled one.
Step Expect(std::string state);
Step ExpectOpen();
Step ExpectFocus(int nID);

std::string StateOf(const CPlayerEntryDlg& dlg);

// Runs DoModal with `script` played inside the modal run; a dialog the
// script leaves open is reported as a failure and cancelled.
int RunScripted(CDialog& dlg, const std::function<void()>& script);
int RunSteps(CPlayerEntryDlg& dlg, const std::vector<Step>& steps);

std::array<std::string, 4> NamesOf(const CPlayerEntryDlg& dlg);

} // namespace dlgtest
