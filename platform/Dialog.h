#pragma once

// CDialog: a modal dialog built from a dialog template, a dialog described
// as data: caption, font, size and a table of controls placed in dialog
// units. Dialog units follow the dialog font, so a layout keeps its
// proportions whatever font the system substitutes: one horizontal unit is a
// quarter of the font's average letter width, one vertical unit an eighth of
// its height.
//
// The controls are windows of their own, found by id. A button press
// arrives at the dialog as WM_COMMAND with the button's id (a check box
// sends it after it has toggled itself), so the dialog's message table
// routes it. Enter presses the default button from any control; Escape and
// the close box send the command IDCANCEL. Data moves between the controls
// and the dialog's members through DoDataExchange.

#include "platform/Wnd.h"

#include <map>
#include <memory>
#include <span>
#include <string>

class QEventLoop;
class QSize;

// Window styles of a dialog and of its controls.
inline constexpr UINT WS_VISIBLE = 0x10000000u;
inline constexpr UINT WS_CAPTION = 0x00C00000u;
inline constexpr UINT WS_BORDER = 0x00800000u;
inline constexpr UINT WS_SYSMENU = 0x00080000u; // a close box in the caption
inline constexpr UINT WS_TABSTOP = 0x00010000u;
inline constexpr UINT DS_MODALFRAME = 0x0080u; // fixed size, no minimise or maximise box

// The id of a control nobody addresses (a label).
inline constexpr int IDC_STATIC = -1;

enum class DialogItemKind {
    DefPushButton, // push button pressed by Enter from anywhere in the dialog
    AutoCheckBox,  // check box that toggles itself when clicked
    Edit,          // single-line edit field that scrolls its text sideways
    Static,        // left-aligned label that wraps at word boundaries
};

// One control. Position and size are in dialog units, relative to the
// dialog's client area. An "&" in the text marks the next character as the
// control's mnemonic (Alt with that character).
struct DialogItem {
    int nID;
    DialogItemKind kind;
    const char* pszText; // UTF-8
    int x, y, cx, cy;
    UINT style;
    bool bEnabled; // enabled when the dialog is created
};

struct DialogTemplate {
    UINT style;
    const char* pszCaption; // UTF-8
    const char* pszFontFace;
    int nPointSize;
    int cx, cy;                        // client area, in dialog units
    std::span<const DialogItem> items; // also the tab order
};

struct CDataExchange;

class CDialog : public CWnd {
public:
    // The template must outlive the dialog. pParentWnd is the owner, which
    // may be null or hidden; it is disabled while the dialog runs.
    explicit CDialog(const DialogTemplate& tmpl, CWnd* pParentWnd = nullptr);

    // Creates the dialog, shows it centred on the screen, never larger than
    // the screen's available area, and runs it until EndDialog. Then calls
    // DestroyWindow once, while the controls still exist, and returns the
    // result given to EndDialog (IDCANCEL if the application quit meanwhile).
    virtual int DoModal();
    // Ends the modal run with nResult and hides the dialog at once; the
    // window itself is destroyed when DoModal has regained control.
    void EndDialog(int nResult);

    // Runs DoDataExchange: TRUE reads the controls into the members, FALSE
    // writes the members into the controls. FALSE when there is no window.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The control with the given id, or null (no such control, or no window).
    CWnd* GetDlgItem(int nID) const {
        return m_items.contains(nID) ? m_items.at(nID).get() : nullptr;
    }

    BOOL DestroyWindow() override;
    // A modal run ends as cancelled, and the window is then destroyed as
    // after any run.
    void OnWindowLost() override;

protected:
    // Writes the members into the controls. Returns TRUE to have the focus
    // put on the first enabled tab-stop control.
    virtual BOOL OnInitDialog();
    // Pairs each control with its member; the base class has none.
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
    // IDOK: reads the controls, then ends the run with IDOK.
    virtual void OnOK();
    // IDCANCEL: ends the run with IDCANCEL at once, reading nothing.
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    DECLARE_MESSAGE_MAP()

private:
    void CreateDialogWindow();
    // The client area's size; a dialog with a modal frame keeps it fixed.
    void SetClientSize(const QSize& size);
    void PlaceOnScreen();

    const DialogTemplate& m_template;
    CWnd* m_pParentWnd;
    // The controls' windows; as members they go before the dialog widget
    // they live in, which goes with the base class.
    std::map<int, std::unique_ptr<CWnd>> m_items;
    QEventLoop* m_pModalLoop = nullptr;
    bool m_bEnded = false;
    int m_nModalResult = IDCANCEL;
};

// Data exchange between a dialog's controls and its members. A dialog's
// DoDataExchange calls one DDX_ function per control; the same calls read
// the controls (m_bSaveAndValidate TRUE) or write them (FALSE). Exchange
// never fails; naming a control that does not exist or is of another kind
// is a programming error, asserted in debug builds and otherwise ignored.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate; // TRUE: controls to members
};

// A check box and an int: reading stores 1 when ticked, else 0; writing
// ticks the box when the value is not 0.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// An edit field and a UTF-8 string: the whole text, untrimmed, both ways.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
