#include "ui/PlayerEntryDlg.h"

#include "ui/PlayerEntryTemplate.h"
#include "ui/Resource.h"

#include <QAbstractButton>
#include <QWidget>

#include <array>

namespace {

constexpr int kSlots = static_cast<int>(IDC_CHECKS.size());

// The one player of a game whose dialog closed without a first name.
constexpr const char* kSinglePlayerName = "Single Player";

constexpr int Index(int nSlot) {
    return nSlot - 1;
}

} // namespace

BEGIN_MESSAGE_MAP(CPlayerEntryDlg, CDialog)
ON_BN_CLICKED(IDC_CHECK1, OnCheck1)
ON_BN_CLICKED(IDC_CHECK2, OnCheck2)
ON_BN_CLICKED(IDC_CHECK3, OnCheck3)
ON_BN_CLICKED(IDC_CHECK4, OnCheck4)
END_MESSAGE_MAP()

CPlayerEntryDlg::CPlayerEntryDlg(CWnd* pParent) : CDialog(PlayerEntryTemplate(), pParent) {
}

CPlayerEntryDlg::~CPlayerEntryDlg() = default;

BOOL CPlayerEntryDlg::OnInitDialog() {
    for (int k = 1; k <= kSlots; ++k) {
        const CWnd* box = GetDlgItem(IDC_CHECKS[Index(k)]);
        const CWnd* field = GetDlgItem(IDC_NAMES[Index(k)]);
        const auto* button =
            box != nullptr ? qobject_cast<QAbstractButton*>(box->GetWidget()) : nullptr;
        if (button != nullptr && field != nullptr) {
            // Without the "&" that marks the box's mnemonic.
            field->GetWidget()->setAccessibleName(QString(button->text()).remove(u'&'));
        }
    }
    return CDialog::OnInitDialog();
}

void CPlayerEntryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHECK1, m_nCheck1);
    DDX_Text(pDX, IDC_NAME1, m_strName1);
    DDX_Check(pDX, IDC_CHECK2, m_nCheck2);
    DDX_Check(pDX, IDC_CHECK3, m_nCheck3);
    DDX_Check(pDX, IDC_CHECK4, m_nCheck4);
    DDX_Text(pDX, IDC_NAME2, m_strName2);
    DDX_Text(pDX, IDC_NAME3, m_strName3);
    DDX_Text(pDX, IDC_NAME4, m_strName4);
}

void CPlayerEntryDlg::OnCheck(int nSlot) {
    UpdateData(TRUE);
    if (CheckOf(nSlot) == 1) {
        EnableDlgItem(IDC_NAMES[Index(nSlot)], TRUE);
        if (nSlot < kSlots) {
            EnableDlgItem(IDC_CHECKS[Index(nSlot + 1)], TRUE);
        }
    } else {
        // The box itself stays enabled. The boxes below it are unticked and
        // locked; its own field and those below are emptied and locked.
        for (int k = nSlot + 1; k <= kSlots; ++k) {
            EnableDlgItem(IDC_CHECKS[Index(k)], FALSE);
            CheckOf(k) = 0;
        }
        for (int k = nSlot; k <= kSlots; ++k) {
            EnableDlgItem(IDC_NAMES[Index(k)], FALSE);
            NameOf(k).clear();
        }
    }
    UpdateData(FALSE);
}

void CPlayerEntryDlg::OnOK() {
    UpdateData(TRUE);
    for (int k = kSlots; k >= 2; --k) {
        if (CheckOf(k) == 1 && NameOf(k).empty()) {
            return;
        }
    }
    if (m_nCheck1 != 1 || m_strName1.empty()) {
        return;
    }
    m_nPlayerCount = 1;
    for (int k = kSlots; k >= 2; --k) {
        if (CheckOf(k) == 1) {
            m_nPlayerCount = k;
            break;
        }
    }
    CDialog::OnOK();
}

BOOL CPlayerEntryDlg::DestroyWindow() {
    UpdateData(TRUE);
    if (m_strName1.empty()) {
        m_strName1 = kSinglePlayerName;
        m_nPlayerCount = 1;
    }
    return CDialog::DestroyWindow();
}

int& CPlayerEntryDlg::CheckOf(int nSlot) {
    int* const checks[kSlots] = {&m_nCheck1, &m_nCheck2, &m_nCheck3, &m_nCheck4};
    return *checks[Index(nSlot)];
}

std::string& CPlayerEntryDlg::NameOf(int nSlot) {
    std::string* const names[kSlots] = {&m_strName1, &m_strName2, &m_strName3, &m_strName4};
    return *names[Index(nSlot)];
}

void CPlayerEntryDlg::EnableDlgItem(int nID, BOOL bEnable) {
    if (CWnd* control = GetDlgItem(nID)) {
        control->EnableWindow(bEnable);
    }
}
