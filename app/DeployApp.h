// CDeployApp: the application object. Chooses the run mode at startup (the
// wizard, or the silent uninstall) and holds what lives for the whole run.
#pragma once
#include "framework/Framework.h"

class CDeployApp : public CWinApp {
public:
    CDeployApp();

    BOOL InitInstance() override;
    void ParseSwitches();
    void Uninstall();

    CFont m_fontBold;          // app-wide bold font for emphasised controls
    CString m_strValueName;    // registry value of a library's install directory
    CString m_strSwitches;     // the command-line switches, joined

private:
    void CreateBoldFont();
};

extern CDeployApp theApp;

// The arguments after the program name that begin with '-' or '/', joined
// without separator; "/ORV" when there is none.
CString JoinSwitches(int argc, char* const argv[]);
