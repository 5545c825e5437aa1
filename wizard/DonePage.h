// CDonePage: the last page, where every run ends; shows the outcome's text.
#pragma once
#include "wizard/WizardPage.h"

class CDonePage : public CWizardPage {
public:
    explicit CDonePage(CDeployWizardDlg* wizard);

    BOOL OnSetActive() override;
    BOOL OnKillActive() override { return TRUE; }
    int OnWizardNext() override { return 0; }
    int OnWizardBack() override { return 0; }
    BOOL OnWizardFinish() override { return TRUE; }
};
