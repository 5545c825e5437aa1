// CDataExchange: the direction of one UpdateData pass over a dialog.
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};
