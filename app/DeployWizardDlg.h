// CDeployWizardDlg: the program's wizard. Creates the pages in their fixed
// order and adds the About box to the system menu.
#pragma once
#include "wizard/WizardDlg.h"

class CWelcomePage;
class CDonePage;

class CDeployWizardDlg : public CWizardDlg {
public:
    CDeployWizardDlg();

    CWelcomePage* m_pWelcomePage = nullptr;
    CDonePage* m_pDonePage = nullptr;
    HICON m_hIcon;

protected:
    BOOL OnInitDialog() override;
    bool OnSysCommand(UINT id, LPARAM lParam) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override { return m_hIcon; }
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT type) override;
};
