#pragma once

// CDialog: a modal dialog built from a dialog template. Its controls are
// windows of their own, found by id. A button press arrives at the dialog as
// WM_COMMAND with the button's id and BN_CLICKED (a check box sends it after
// it has toggled itself), so the dialog's message table routes it. Enter
// presses the default button from any control; Escape and the close box send
// the command IDCANCEL.

#include "platform/DialogTemplate.h"
#include "platform/MessageMap.h"
#include "platform/Wnd.h"

#include <map>
#include <memory>

class CDataExchange;
class QEventLoop;

class CDialog : public CWnd {
public:
    // The template must outlive the dialog. pParentWnd is the owner, which
    // may be null or hidden; it is disabled while the dialog runs.
    explicit CDialog(const DialogTemplate& tmpl, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog, shows it centred on the screen and runs it until
    // EndDialog. Then calls DestroyWindow once, while the controls still
    // exist, and returns the result given to EndDialog (IDCANCEL if the
    // application quit meanwhile).
    virtual int DoModal();
    // Ends the modal run with nResult and hides the dialog at once; the
    // window itself is destroyed when DoModal has regained control.
    void EndDialog(int nResult);

    // Runs DoDataExchange: TRUE reads the controls into the members, FALSE
    // writes the members into the controls. FALSE when there is no window.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The control with the given id, or null (no such control, or no window).
    CWnd* GetDlgItem(int nID) const;

    BOOL DestroyWindow() override;
    // A modal run ends as cancelled, and the window is then destroyed as
    // after any run.
    void OnWindowLost() override;

protected:
    // Writes the members into the controls. Returns TRUE to have the focus
    // put on the first enabled tab-stop control.
    virtual BOOL OnInitDialog();
    // Pairs each control with its member; the base class has none.
    virtual void DoDataExchange(CDataExchange* pDX);
    // IDOK: reads the controls, then ends the run with IDOK.
    virtual void OnOK();
    // IDCANCEL: ends the run with IDCANCEL at once, reading nothing.
    virtual void OnCancel();

    // WM_CLOSE (the close box) becomes the command IDCANCEL.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void CreateDialogWindow();
    void PlaceOnScreen();
    void FocusFirstTabStop();

    const DialogTemplate& m_template;
    CWnd* m_pParentWnd;
    std::map<int, std::unique_ptr<CWnd>> m_items;
    QEventLoop* m_pModalLoop = nullptr;
    bool m_bEnded = false;
    int m_nModalResult = IDCANCEL;
};
