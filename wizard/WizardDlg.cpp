#include "wizard/WizardDlg.h"
#include "res/resource.h"
#include "wizard/WizardPage.h"

CWizardDlg::CWizardDlg(CWnd* parent) : CDialog(IDD_WIZARD, parent) {}

CWizardDlg::~CWizardDlg()
{
    for (auto& page : m_pages)
        page.reset();
}

void CWizardDlg::AddPage(CWizardPage* page) { m_pages.emplace_back(page); }

BOOL CWizardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnFinish.SubclassDlgItem(IDC_FINISH, this);
    m_btnCancel.SubclassDlgItem(IDCANCEL, this);
    m_btnNext.SubclassDlgItem(IDC_NEXT, this);
    m_btnBack.SubclassDlgItem(IDC_BACK, this);
    return TRUE;
}

BOOL CWizardDlg::SetActivePage(int index)
{
    if (!HasPage(m_nActivePage))
        return TRUE;
    CWizardPage* old = GetActivePage();
    old->ShowWindow(SW_HIDE);
    old->OnKillActive();
    m_nActivePage = index;
    if (HasPage(index)) {
        CWizardPage* page = GetActivePage();
        page->ShowWindow(SW_SHOW);
        page->UpdateWindow();
        page->OnSetActive();
    }
    return TRUE;
}

void CWizardDlg::SetWizardButtons(UINT flags)
{
    m_btnCancel.EnableWindow(TRUE);
    m_btnBack.EnableWindow((flags & WIZB_BACK) != 0);
    m_btnNext.EnableWindow((flags & WIZB_NEXT) != 0);
    if (!(flags & WIZB_FINISH)) {
        m_btnNext.ShowWindow(SW_SHOW);
        m_btnFinish.ShowWindow(SW_HIDE);
        return;
    }
    m_btnNext.ShowWindow(SW_HIDE);
    m_btnFinish.ShowWindow(SW_SHOW);
    m_btnFinish.EnableWindow(TRUE);
    m_btnCancel.EnableWindow(FALSE);
    if (flags & WIZB_DISABLEDFINISH) {
        m_btnCancel.EnableWindow(TRUE);
        m_btnFinish.EnableWindow(FALSE);
    }
}

void CWizardDlg::ShowBrandLabel(BOOL show)
{
    if (CWnd label = GetDlgItem(IDC_BRAND_LABEL))
        label.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CWizardDlg::OnCommand(UINT id, UINT code)
{
    switch (id) {
    case IDC_NEXT:
        OnNext();
        return true;
    case IDC_BACK:
        OnBack();
        return true;
    case IDC_FINISH:
        OnFinish();
        return true;
    default:
        return CDialog::OnCommand(id, code);
    }
}

int CWizardDlg::FindIncludedPage(int index, int step) const
{
    for (; HasPage(index); index += step)
        if (GetPage(index)->m_bIncluded)
            return index;
    return -1;
}

void CWizardDlg::OnNext()
{
    if (GetActivePage()->OnWizardNext() == -1)
        return;
    int next = FindIncludedPage(m_nActivePage + 1, +1);
    if (next >= 0)
        SetActivePage(next);
}

void CWizardDlg::OnBack()
{
    if (GetActivePage()->OnWizardBack() == -1)
        return;
    int previous = FindIncludedPage(m_nActivePage - 1, -1);
    if (previous >= 0)
        SetActivePage(previous);
}

void CWizardDlg::OnFinish()
{
    if (GetActivePage()->OnWizardFinish())
        CDialog::OnOK();
}

void CWizardDlg::OnCancel()
{
    // Escape and the window's Close arrive here too. While Cancel is disabled
    // (the done page after a run) there is nothing to cancel: asking would
    // turn a finished run's closing text into the interrupted one.
    if (!m_btnCancel.IsWindowEnabled())
        return;
    m_nOutcome = Interrupted;
    CString question, caption;
    question.LoadString(IDS_CANCEL_QUESTION);
    caption.LoadString(IDS_CANCEL_CAPTION);
    if (MessageBox(question, caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        SetActivePage(GetPageCount() - 1);
}
