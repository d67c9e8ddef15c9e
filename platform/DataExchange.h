#pragma once

// Data exchange between a dialog's controls and its members. A dialog's
// DoDataExchange calls one DDX_ function per control; the same calls read
// the controls (m_bSaveAndValidate TRUE) or write them (FALSE). Exchange
// never fails; naming a control that does not exist or is of another kind
// is a programming error, asserted in debug builds and otherwise ignored.

#include "platform/WinTypes.h"

#include <string>

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CDialog* m_pDlgWnd;
};

// A check box and an int: reading stores 1 when ticked, else 0; writing
// ticks the box when the value is not 0.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// An edit field and a UTF-8 string: the whole text, untrimmed, both ways.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
