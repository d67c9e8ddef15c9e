#include "platform/DataExchange.h"

#include "platform/Dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QString>

#include <cassert>

namespace {

// The control's widget as the kind the exchange expects, or null.
template <typename Widget> Widget* ControlOf(CDataExchange* pDX, int nIDC) {
    const CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    auto* widget = control != nullptr ? qobject_cast<Widget*>(control->GetWidget()) : nullptr;
    assert(widget != nullptr && "DDX on a control of another kind, or no such id");
    return widget;
}

} // namespace

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
