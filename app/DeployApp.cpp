#include "app/DeployApp.h"
#include <stdlib.h>
#include "app/DeployWizardDlg.h"
#include "vcenv/RunningVcGuard.h"

CDeployApp theApp;

CDeployApp::CDeployApp() : m_strValueName("Installation Directory") {}

CString JoinSwitches(int argc, char* const argv[])
{
    CString switches;
    for (int i = 1; i < argc; ++i)
        if (argv[i] && (argv[i][0] == '-' || argv[i][0] == '/'))
            switches += argv[i];
    // A plain start preselects the catalogue's library.
    if (switches.IsEmpty())
        switches = "/ORV";
    return switches;
}

void CDeployApp::ParseSwitches() { m_strSwitches = JoinSwitches(__argc, __argv); }

void CDeployApp::CreateBoldFont()
{
    // The record size of the systems before the padded border was added;
    // every later system accepts it too.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    metrics.lfMenuFont.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&metrics.lfMenuFont);
}

BOOL CDeployApp::InitInstance()
{
    AfxEnableControlContainer();
    ParseSwitches();
    if (!CheckNoRunningVc())
        return FALSE;
    if (!m_fontBold.m_hObject)
        CreateBoldFont();
    Enable3dControlsStatic();

    if (m_strSwitches.Find("uninstall") >= 0) {
        Uninstall();
        return FALSE;
    }

    CDeployWizardDlg wizard;
    m_pMainWnd = &wizard;
    wizard.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

void CDeployApp::Uninstall() {}
