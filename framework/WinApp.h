// CWinApp: the one application object; the entry point calls InitInstance.
#pragma once
#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns FALSE to end the program without a message loop.
    virtual BOOL InitInstance() { return FALSE; }

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();

// Kept for the program's startup sequence. Current Windows draws every
// control three-dimensionally, and the program hosts no ActiveX controls,
// so both have nothing to do.
inline void AfxEnableControlContainer() {}
inline void Enable3dControlsStatic() {}
