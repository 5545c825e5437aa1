#include "app/DeployWizardDlg.h"
#include "app/AboutDlg.h"
#include "res/resource.h"
#include "wizard/DonePage.h"
#include "wizard/WelcomePage.h"

CDeployWizardDlg::CDeployWizardDlg()
    : CWizardDlg(nullptr),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

BOOL CDeployWizardDlg::OnInitDialog()
{
    CWizardDlg::OnInitDialog();

    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (!about.IsEmpty()) {
        HMENU menu = GetSystemMenu(FALSE);
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // Each page creates its hidden window as it is constructed.
    AddPage(m_pWelcomePage = new CWelcomePage(this));
    AddPage(m_pDonePage = new CDonePage(this));

    SetActivePage(0);
    SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

bool CDeployWizardDlg::OnSysCommand(UINT id, LPARAM)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CDeployWizardDlg::OnPaint()
{
    if (!IsIconic())
        return false;
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.bottom - rect.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return true;
}

HBRUSH CDeployWizardDlg::OnCtlColor(CDC* dc, CWnd* control, UINT type)
{
    HBRUSH brush = CWizardDlg::OnCtlColor(dc, control, type);
    if (control->GetDlgCtrlID() == IDC_BRAND_LABEL)
        dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    return brush;
}
