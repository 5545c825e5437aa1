// CAboutDlg: the About box, opened from the wizard's system menu.
#pragma once
#include "framework/Framework.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
