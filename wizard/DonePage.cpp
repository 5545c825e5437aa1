#include "wizard/DonePage.h"
#include "app/DeployWizardDlg.h"
#include "res/resource.h"

CDonePage::CDonePage(CDeployWizardDlg* wizard) : CWizardPage(IDD_DONE_PAGE, wizard)
{
    Create(IDD_DONE_PAGE, wizard);
}

BOOL CDonePage::OnSetActive()
{
    m_pWizard->SetWizardButtons(WIZB_FINISH);
    m_pWizard->ShowBrandLabel(FALSE);

    CString text;
    switch (m_pWizard->m_nOutcome) {
    case Succeeded:
        text.LoadString(IDS_DONE_SUCCEEDED);
        break;
    case CompletedWithErrors:
        text.LoadString(IDS_DONE_WITH_ERRORS);
        break;
    case Interrupted:
        text.LoadString(IDS_DONE_INTERRUPTED);
        break;
    default:
        break;
    }
    GetDlgItem(IDC_PAGE_TEXT).SetWindowText(text);
    return TRUE;
}
