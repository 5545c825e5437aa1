#include "wizard/WelcomePage.h"
#include "app/DeployWizardDlg.h"
#include "res/resource.h"

CWelcomePage::CWelcomePage(CDeployWizardDlg* wizard) : CWizardPage(IDD_WELCOME_PAGE, wizard)
{
    Create(IDD_WELCOME_PAGE, wizard);
}

BOOL CWelcomePage::OnSetActive()
{
    m_pWizard->SetWizardButtons(WIZB_NEXT);
    m_pWizard->ShowBrandLabel(FALSE);
    return TRUE;
}
