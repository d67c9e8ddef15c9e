#pragma once

// Builds the game's main window in a test: its player-entry dialog is
// answered from a timer while the window's construction runs it, the way a
// person would (ticking boxes, filling fields, Enter or Escape). The window
// becomes the application's main window, so the dice and boxes find it.

#include "ui/GameFrame.h"

#include "tests/support/WindowDriver.h"

#include <string>
#include <vector>

class CDialog;
class QWidget;

namespace support {

struct DialogAnswer {
    // A name for each box to tick, from box 1 on; "" ticks the box and
    // leaves its field empty.
    std::vector<std::string> ticked;
    bool cancel = false; // Escape instead of Enter
};

// What the dialog saw of the main window while it was open.
struct DialogSeen {
    bool shown = false;
    bool frameHidden = false;
    bool frameDisabled = false; // the dialog's owner is disabled while it runs
};

// The main window with a way to set up states that rolls reach only by luck.
class TestGameFrame : public CGameFrame {
public:
    // Faces of dice 0..4 as text: "2 2 3 3 3".
    void SetDice(const std::string& faces);
    // Changes the table without asking for a repaint.
    void SetRolls(int nRolls) { m_nRolls = nRolls; }
    void HoldDie(int i);
};

// Answers the next player-entry dialog that opens, from inside its modal run.
class DialogAnswerer {
public:
    DialogAnswerer(DialogAnswer answer, DialogSeen* pSeen = nullptr);
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

private:
    void Answer(QWidget* modal, CDialog& dlg);

    DialogAnswer m_answer;
    DialogSeen* m_pSeen;
    DialogWatcher m_watcher;
};

// A shown and painted main window for the answer.
TestGameFrame* MakeGame(const DialogAnswer& answer, DialogSeen* pSeen = nullptr);

} // namespace support
