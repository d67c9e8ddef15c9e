#pragma once

// CPlayerEntryDlg: asks who is playing. One check box and one name field per
// player slot; a slot can be ticked only once the slot above it is, and
// unticking a slot empties and locks every slot below it, so the ticked
// slots always run unbroken from slot 1. OK accepts only when slot 1 is
// ticked and every ticked slot has a name (blanks count as a name).
//
// Use: construct with the owner window (may be null), DoModal, then read
// GetPlayerCount() and m_strName1..m_strName4 (UTF-8). After OK the count is
// the last ticked slot and the names beyond it are empty. After a cancel the
// count is 1; the names keep what their fields held, and an empty first
// name becomes "Single Player".

#include "platform/Dialog.h"

#include <string>

class CPlayerEntryDlg : public CDialog {
public:
    explicit CPlayerEntryDlg(CWnd* pParent = nullptr);
    ~CPlayerEntryDlg() override;

    // The closing step: reads the controls one last time, settles the first
    // name and the count (see above), then destroys the window.
    BOOL DestroyWindow() override;

    // 1 to 4; meaningful once DoModal has returned.
    int GetPlayerCount() const { return m_nPlayerCount; }

    int m_nCheck1 = 0; // 0 unticked, 1 ticked
    std::string m_strName1;
    int m_nCheck2 = 0;
    int m_nCheck3 = 0;
    int m_nCheck4 = 0;
    std::string m_strName2;
    std::string m_strName3;
    std::string m_strName4;

protected:
    // Names each name field after its check box ("Name 1"), so that a screen
    // reader can tell the fields apart, then writes the controls.
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The acceptance test; a refusal returns quietly and leaves the dialog as it was.
    void OnOK() override;

    void OnCheck1() { OnCheck(1); }
    void OnCheck2() { OnCheck(2); }
    void OnCheck3() { OnCheck(3); }
    void OnCheck4() { OnCheck(4); }

    DECLARE_MESSAGE_MAP()

private:
    // Box nSlot (1..4) has just toggled itself.
    void OnCheck(int nSlot);
    int& CheckOf(int nSlot);
    std::string& NameOf(int nSlot);
    void EnableDlgItem(int nID, BOOL bEnable);

    // Only an accepted OK sets more than one player, so a cancel leaves 1.
    int m_nPlayerCount = 1;
};
