#include "platform/Dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
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

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int cx;
    int cy;
};

// Dialog units to pixels, du * base / per rounded to the nearest pixel.
int ToPixels(int du, int base, int per) {
    const long long product = static_cast<long long>(du) * base;
    return static_cast<int>((product + per / 2) / per);
}

QRect ToPixels(int x, int y, int cx, int cy, BaseUnits units) {
    return QRect(ToPixels(x, units.cx, 4), ToPixels(y, units.cy, 8), ToPixels(cx, units.cx, 4),
                 ToPixels(cy, units.cy, 8));
}

// Sends a control's press to the dialog window that owns pDialog, if it
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
        if (pEvent->type() == QEvent::KeyPress) {
            const auto modifiers = static_cast<QKeyEvent*>(pEvent)->modifiers();
            if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
                return true;
            }
        }
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

// Gives the dialog widget the template's caption, font, frame and client
// size, and returns the base units of the font it ended up with: the average
// width of the 52 letters A-Z a-z, rounded, and the font's height.
BaseUnits ApplyDialogFrame(const DialogTemplate& tmpl, QWidget* pDialog) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((tmpl.style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if ((tmpl.style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    pDialog->setWindowFlags(flags);
    pDialog->setWindowTitle(QString::fromUtf8(tmpl.pszCaption));

    QFont font(QString::fromUtf8(tmpl.pszFontFace), tmpl.nPointSize);
    font.setFamilies({QString::fromUtf8(tmpl.pszFontFace), QString::fromLatin1(kFallbackFace)});
    font.setStyleHint(QFont::SansSerif);
    // Stated in full, so that nothing is taken over from the application's
    // font: a template's font is upright and of normal weight.
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    pDialog->setFont(font);

    const QFontMetrics metrics(pDialog->font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const BaseUnits units{(metrics.horizontalAdvance(alphabet) + 26) / 52, metrics.height()};
    const QSize client = ToPixels(0, 0, tmpl.cx, tmpl.cy, units).size();
    if ((tmpl.style & DS_MODALFRAME) != 0) {
        pDialog->setFixedSize(client);
    } else {
        pDialog->resize(client);
    }
    return units;
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
            for (const DialogItem& item : m_template.items) {
                const CWnd* control = GetDlgItem(item.nID);
                if ((item.style & WS_TABSTOP) != 0 && control != nullptr &&
                    control->GetWidget()->isEnabled() && control->GetWidget()->isVisible()) {
                    control->GetWidget()->setFocus(Qt::TabFocusReason);
                    break;
                }
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
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
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
    const BaseUnits units = ApplyDialogFrame(m_template, dialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    AttachWidget(dialog, true);

    QWidget* previousTabStop = nullptr;
    for (const DialogItem& item : m_template.items) {
        QWidget* widget = CreateWidgetOfKind(item, dialog);
        widget->setGeometry(ToPixels(item.x, item.y, item.cx, item.cy, units));
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
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int nID = item.nID;
            QObject::connect(button, &QAbstractButton::clicked, dialog,
                             [dialog, nID] { SendCommand(dialog, nID); });
        }
        if (bTabStop) {
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

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    auto* box = ControlOf<QCheckBox>(pDX, nIDC);
    if (box == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    auto* edit = ControlOf<QLineEdit>(pDX, nIDC);
    if (edit == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = edit->text().toStdString();
    } else {
        edit->setText(QString::fromStdString(value));
    }
}
