#pragma once

// Drives the program's windows from inside the process, for the tests, the
// benchmarks and the screenshot tool: finds the player-entry dialog once it
// is shown inside its modal run, reaches its controls by slot, ticks slots
// and fills in names, and closes the main window. Qt Widgets only, so the
// traced program of the start-up benchmark can link it without Qt's test
// library.

#include <QTimer>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CDialog;
class CGameFrame;
class QAbstractButton;
class QLineEdit;
class QWidget;

namespace support {

// The most characters a name field keeps: the dialog sets no limit of its
// own, so an edit field's default applies.
inline constexpr std::size_t kFieldLimit = 32767;

// The control with the id in the dialog, or null.
QWidget* Control(const CDialog& dlg, int nID);
// The check box and the name field of player slot 1..4, or null.
QAbstractButton* SlotBox(const CDialog& dlg, int slot);
QLineEdit* SlotField(const CDialog& dlg, int slot);

// Ticks slots 1..names.size() in order, each tick enabling the next slot,
// and puts each name in its field; "" leaves the field empty. False when a
// slot's controls are missing.
bool TickSlots(const CDialog& dlg, const std::vector<std::string>& names);

// Calls `answer` once, from inside the modal run of the next dialog that is
// shown, with the dialog's widget and the dialog.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<void(QWidget* modal, CDialog& dlg)> answer);
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

private:
    std::function<void(QWidget*, CDialog&)> m_answer;
    QTimer m_timer;
};

// Closes the window as a person would (the frame deletes itself) and lets
// Qt delete the widget.
void CloseGame(CGameFrame* pFrame);

} // namespace support
