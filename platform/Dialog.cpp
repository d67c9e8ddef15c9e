#include "platform/Dialog.h"

#include "platform/DataExchange.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace {

// Sends a control's click to the dialog window that owns pDialog, if it
// still has one; a widget outliving its window (it is deleted later) stays
// quiet.
void SendCommand(QWidget* pDialog, int nID) {
    if (CWnd* wnd = CWnd::FromWidget(pDialog)) {
        wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(nID), BN_CLICKED));
    }
}

// The Qt side of a dialog. QDialog supplies the default button and Escape;
// both ends of a run go back to the framework as messages instead of
// QDialog's own accept and reject.
class DialogWidget : public QDialog {
public:
    DialogWidget() = default;

    void reject() override { SendCommand(this, IDCANCEL); }

    // Alt with a key is for mnemonics only. Qt has already offered it to the
    // mnemonics of the enabled controls; whatever is left must not reach a
    // control, or an edit field would type the key.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        // A button's mnemonic clicks it at once and gives it the focus; Qt's
        // own answer is a click a tenth of a second later, which an Enter
        // typed quickly after it would overtake.
        if (pEvent->type() == QEvent::Shortcut) {
            auto* button = qobject_cast<QAbstractButton*>(pWatched);
            if (button != nullptr && button->isEnabled()) {
                button->setFocus(Qt::ShortcutFocusReason);
                button->click();
                return true;
            }
        }
#ifndef Q_OS_MACOS
        // On macOS, Alt is the Option key, which types characters such as "@"
        // on many layouts, and Qt has no mnemonics there; so keys pass as typed.
        if (pEvent->type() == QEvent::KeyPress) {
            const auto modifiers = static_cast<QKeyEvent*>(pEvent)->modifiers();
            if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
                return true;
            }
        }
#endif
        return QDialog::eventFilter(pWatched, pEvent);
    }

protected:
    void closeEvent(QCloseEvent* pEvent) override {
        pEvent->ignore();
        if (CWnd* wnd = CWnd::FromWidget(this)) {
            wnd->SendMessage(WM_CLOSE);
        }
    }
};

// A control of a dialog: a window over a widget the dialog owns.
class CDlgItem : public CWnd {
public:
    explicit CDlgItem(QWidget* pWidget) { AttachWidget(pWidget, false); }
};

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(const DialogTemplate& tmpl, CWnd* pParentWnd)
    : m_template(tmpl), m_pParentWnd(pParentWnd) {
}

// The controls' windows go first; the dialog widget they live in goes with
// the base class.
CDialog::~CDialog() {
    m_items.clear();
}

int CDialog::DoModal() {
    // One run at a time: a second run while the first one's window exists
    // would leave that window without an owner.
    if (GetWidget() != nullptr) {
        return IDCANCEL;
    }
    CreateDialogWindow();
    const bool bDisableOwner = m_pParentWnd != nullptr && m_pParentWnd->IsWindowEnabled();
    if (bDisableOwner) {
        m_pParentWnd->EnableWindow(FALSE);
    }
    m_bEnded = false;
    m_nModalResult = IDCANCEL;

    const BOOL bSetFocus = OnInitDialog();
    PlaceOnScreen();
    if (!m_bEnded) {
        ShowWindow(SW_SHOW);
        // Once shown the frame around the client area is known; place the whole.
        PlaceOnScreen();
        if (bSetFocus) {
            FocusFirstTabStop();
        }
        QEventLoop loop;
        m_pModalLoop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_pModalLoop = nullptr;
    }

    ShowWindow(SW_HIDE);
    if (bDisableOwner) {
        m_pParentWnd->EnableWindow(TRUE);
    }
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = true;
    ShowWindow(SW_HIDE);
    if (m_pModalLoop != nullptr) {
        m_pModalLoop->exit();
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (GetWidget() == nullptr) {
        return FALSE;
    }
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

CWnd* CDialog::GetDlgItem(int nID) const {
    const auto found = m_items.find(nID);
    return found != m_items.end() ? found->second.get() : nullptr;
}

BOOL CDialog::DestroyWindow() {
    const BOOL bDestroyed = CWnd::DestroyWindow();
    m_items.clear();
    return bDestroyed;
}

void CDialog::OnWindowLost() {
    if (m_pModalLoop != nullptr) {
        EndDialog(IDCANCEL);
        return;
    }
    CWnd::OnWindowLost();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        return SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(IDCANCEL), BN_CLICKED));
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CDialog::CreateDialogWindow() {
    auto* dialog = new DialogWidget;
    const DialogBaseUnits units = ApplyDialogFrame(m_template, dialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    AttachWidget(dialog, true);

    QWidget* previousTabStop = nullptr;
    for (const DialogItem& item : m_template.items) {
        QWidget* widget = CreateDialogItem(item, units, dialog);
        widget->installEventFilter(dialog);
        if (item.nID != IDC_STATIC) {
            m_items[item.nID] = std::make_unique<CDlgItem>(widget);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int nID = item.nID;
            QObject::connect(button, &QAbstractButton::clicked, dialog,
                             [dialog, nID] { SendCommand(dialog, nID); });
        }
        if ((item.style & WS_TABSTOP) != 0) {
            if (previousTabStop != nullptr) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
}

// The dialog, frame included, never grows past the available area of its
// screen: its size follows its font, and at an extreme font setting it would
// otherwise take a surface of gigabytes that could never be seen whole.
void CDialog::PlaceOnScreen() {
    QWidget* dialog = GetWidget();
    const QScreen* screen = dialog->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = dialog->frameGeometry().size() - dialog->size();
    const QSize client = dialog->size().boundedTo(area.size() - frame);
    if (client != dialog->size()) {
        if ((m_template.style & DS_MODALFRAME) != 0) {
            dialog->setFixedSize(client);
        } else {
            dialog->resize(client);
        }
    }
    QRect whole(QPoint(0, 0), client + frame);
    whole.moveCenter(area.center());
    dialog->move(whole.topLeft()); // move() places the frame, not the client area
}

void CDialog::FocusFirstTabStop() {
    for (const DialogItem& item : m_template.items) {
        const CWnd* control = GetDlgItem(item.nID);
        if ((item.style & WS_TABSTOP) != 0 && control != nullptr && control->IsWindowEnabled() &&
            control->IsWindowVisible()) {
            control->GetWidget()->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
