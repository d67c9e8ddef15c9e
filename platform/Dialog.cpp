#include "platform/Dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>

#include <cassert>

namespace {

// Where the template's face is not installed, a proportional sans-serif that
// the game installs serves; fontconfig's own fallback can otherwise land on
// a monospaced face, which clips the guidance text.
constexpr const char* kFallbackFace = "Liberation Sans";
// The letters whose average width is a font's horizontal base unit.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Sends a control's press to the dialog window that owns pDialog, if it
// still has one; a widget outliving its window (it is deleted later) stays
// quiet.
void SendCommand(QWidget* pDialog, int nID) {
    if (CWnd* wnd = CWnd::FromWidget(pDialog)) {
        wnd->SendMessage(WM_COMMAND, static_cast<WPARAM>(nID));
    }
}

// The Qt side of a dialog. QDialog supplies the default button, and Escape
// and the close box, which it answers with reject(); the end of a run goes
// back to the framework as the command IDCANCEL instead.
class DialogWidget : public QDialog {
public:
    void reject() override { SendCommand(this, IDCANCEL); }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        // A button's mnemonic clicks it at once and gives it the focus; Qt's
        // own answer is a click a tenth of a second later, which an Enter
        // typed quickly after it would overtake.
        auto* button = qobject_cast<QAbstractButton*>(pWatched);
        if (pEvent->type() == QEvent::Shortcut && button != nullptr && button->isEnabled()) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            return true;
        }
        // Alt with a key is for mnemonics only. Qt has already offered it to
        // the mnemonics of the enabled controls; whatever is left must not
        // reach a control, or an edit field would type the key.
        if (pEvent->type() == QEvent::KeyPress) {
            const auto modifiers = static_cast<QKeyEvent*>(pEvent)->modifiers();
            if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
                return true;
            }
        }
        return QDialog::eventFilter(pWatched, pEvent);
    }
};

// A single-line edit field. Disabled, it is drawn on the dialog's face
// colour, so an empty disabled field never looks ready for typing. Qt's own
// palette does so already, but a platform theme may give the disabled field
// the same white as an enabled one; the colours are read at paint time, so a
// theme change later on is followed. A template sets no length limit, so the
// field keeps the platform's default of 32,767 characters: a longer paste is
// cut there, and no repaint has to lay out millions of them.
class DialogEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void initStyleOption(QStyleOptionFrame* option) const override {
        QLineEdit::initStyleOption(option);
        option->palette.setBrush(QPalette::Disabled, QPalette::Base,
                                 option->palette.brush(QPalette::Disabled, QPalette::Window));
    }
};

QWidget* CreateWidgetOfKind(const DialogItem& item, QWidget* pDialog) {
    const QString text = QString::fromUtf8(item.pszText);
    switch (item.kind) {
    case DialogItemKind::DefPushButton: {
        auto* button = new QPushButton(text, pDialog);
        button->setDefault(true);
        return button;
    }
    case DialogItemKind::AutoCheckBox:
        return new QCheckBox(text, pDialog);
    case DialogItemKind::Edit: {
        auto* edit = new DialogEdit(text, pDialog);
        edit->setFrame((item.style & WS_BORDER) != 0);
        return edit;
    }
    case DialogItemKind::Static: {
        auto* label = new QLabel(text, pDialog);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

// A control of a dialog: a window over a widget the dialog owns.
class CDlgItem : public CWnd {
public:
    explicit CDlgItem(QWidget* pWidget) { AttachWidget(pWidget, false); }
};

// The control's widget as the kind the exchange expects, or null.
template <typename Widget> Widget* ControlOf(CDataExchange* pDX, int nIDC) {
    const CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    auto* widget = control != nullptr ? qobject_cast<Widget*>(control->GetWidget()) : nullptr;
    assert(widget != nullptr && "DDX on a control of another kind, or no such id");
    return widget;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_BN_CLICKED(IDOK, OnOK)
ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(const DialogTemplate& tmpl, CWnd* pParentWnd)
    : m_template(tmpl), m_pParentWnd(pParentWnd) {
}

int CDialog::DoModal() {
    // One run at a time: a second run while the first one's window exists
    // would leave that window without an owner.
    if (GetWidget() != nullptr) {
        return IDCANCEL;
    }
    CreateDialogWindow();
    // An owner that was disabled already stays so afterwards.
    const bool bDisableOwner = m_pParentWnd != nullptr && !m_pParentWnd->EnableWindow(FALSE);
    m_bEnded = false;
    m_nModalResult = IDCANCEL;

    const BOOL bSetFocus = OnInitDialog();
    PlaceOnScreen();
    if (!m_bEnded) {
        ShowWindow(SW_SHOW);
        // Once shown the frame around the client area is known; place the whole.
        PlaceOnScreen();
        for (const DialogItem& item : m_template.items) {
            QWidget* widget =
                GetDlgItem(item.nID) != nullptr ? GetDlgItem(item.nID)->GetWidget() : nullptr;
            if (bSetFocus && (item.style & WS_TABSTOP) != 0 && widget != nullptr &&
                widget->isEnabled() && widget->isVisible()) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
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
    CDataExchange dx{this, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::DestroyWindow() {
    const BOOL bDestroyed = CWnd::DestroyWindow();
    m_items.clear();
    return bDestroyed;
}

void CDialog::OnWindowLost() {
    if (m_pModalLoop != nullptr) {
        EndDialog(IDCANCEL);
    } else {
        CWnd::OnWindowLost();
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

// The dialog gets the template's caption, frame and font, and its controls
// are placed in dialog units of the font it ended up with: a quarter of the
// average width of the 52 letters A-Z a-z, rounded, and an eighth of its
// height.
void CDialog::CreateDialogWindow() {
    auto* dialog = new DialogWidget;
    const bool bCaption = (m_template.style & WS_CAPTION) == WS_CAPTION;
    const bool bCloseBox = (m_template.style & WS_SYSMENU) != 0;
    dialog->setWindowFlags(
        Qt::Dialog | Qt::CustomizeWindowHint | (bCaption ? Qt::WindowTitleHint : Qt::Widget) |
        (bCloseBox ? Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint : Qt::Widget));
    dialog->setWindowTitle(QString::fromUtf8(m_template.pszCaption));
    dialog->setWindowModality(Qt::ApplicationModal);
    QFont font(QString::fromUtf8(m_template.pszFontFace), m_template.nPointSize);
    font.setFamilies({font.family(), QString::fromLatin1(kFallbackFace)});
    font.setStyleHint(QFont::SansSerif);
    // Stated in full, so that nothing is taken over from the application's
    // font: a template's font is upright and of normal weight.
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    dialog->setFont(font);
    AttachWidget(dialog, true);

    const QFontMetrics metrics(dialog->font());
    const int cxBase = (metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)) + 26) / 52;
    const auto toPixels = [cxBase, cyBase = metrics.height()](int x, int y, int cx, int cy) {
        const auto scale = [](int du, int base, int per) { return (du * base + per / 2) / per; };
        return QRect(scale(x, cxBase, 4), scale(y, cyBase, 8), scale(cx, cxBase, 4),
                     scale(cy, cyBase, 8));
    };
    SetClientSize(toPixels(0, 0, m_template.cx, m_template.cy).size());

    QWidget* previousTabStop = nullptr;
    for (const DialogItem& item : m_template.items) {
        QWidget* widget = CreateWidgetOfKind(item, dialog);
        widget->setGeometry(toPixels(item.x, item.y, item.cx, item.cy));
        const bool bTabStop = (item.style & WS_TABSTOP) != 0;
        if (item.kind != DialogItemKind::Static) {
            widget->setFocusPolicy(bTabStop ? Qt::StrongFocus : Qt::ClickFocus);
        }
        widget->setEnabled(item.bEnabled);
        widget->setVisible((item.style & WS_VISIBLE) != 0);
        widget->installEventFilter(dialog);
        if (item.nID != IDC_STATIC) {
            m_items[item.nID] = std::make_unique<CDlgItem>(widget);
        }
        // A press sends the command; so does whatever toggles a check box (a
        // click, its mnemonic, the space bar or an assistive technology's
        // action), once, while the data exchange sets it with signals blocked.
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button,
                             button->isCheckable() ? &QAbstractButton::toggled
                                                   : &QAbstractButton::clicked,
                             dialog, [dialog, nID = item.nID] { SendCommand(dialog, nID); });
        }
        if (bTabStop) {
            if (previousTabStop != nullptr) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
}

void CDialog::SetClientSize(const QSize& size) {
    if ((m_template.style & DS_MODALFRAME) != 0) {
        GetWidget()->setFixedSize(size);
    } else {
        GetWidget()->resize(size);
    }
}

// The dialog, frame included, never grows past the available area of its
// screen: its size follows its font, and at an extreme font setting it would
// otherwise take a surface of gigabytes that could never be seen whole.
void CDialog::PlaceOnScreen() {
    QWidget* dialog = GetWidget();
    const QScreen* screen = dialog->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = dialog->frameGeometry().size() - dialog->size();
    const QSize client = dialog->size().boundedTo(area.size() - frame);
    if (client != dialog->size()) {
        SetClientSize(client);
    }
    QRect whole(QPoint(0, 0), client + frame);
    whole.moveCenter(area.center());
    dialog->move(whole.topLeft()); // move() places the frame, not the client area
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (auto* box = ControlOf<QCheckBox>(pDX, nIDC); box != nullptr && pDX->m_bSaveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else if (box != nullptr) {
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    if (auto* edit = ControlOf<QLineEdit>(pDX, nIDC); edit != nullptr && pDX->m_bSaveAndValidate) {
        value = edit->text().toStdString();
    } else if (edit != nullptr) {
        edit->setText(QString::fromStdString(value));
    }
}
