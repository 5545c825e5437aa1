// CWelcomePage: the first page; introduces the three deployment actions.
#pragma once
#include "wizard/WizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    explicit CWelcomePage(CDeployWizardDlg* wizard);

    BOOL OnSetActive() override;
    BOOL OnKillActive() override { return TRUE; }
    int OnWizardNext() override { return 0; }
    int OnWizardBack() override { return 0; }
    BOOL OnWizardFinish() override { return TRUE; }
};
