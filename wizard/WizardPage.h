// CWizardPage: the abstract page of the wizard, a hidden child dialog of the
// frame from construction on. The frame calls the five page operations; a
// page vetoes a step by returning -1 from OnWizardNext or OnWizardBack.
#pragma once
#include "framework/Framework.h"
#include "wizard/PageLabel.h"

class CDeployWizardDlg;

class CWizardPage : public CDialog {
public:
    CWizardPage(UINT templateId, CDeployWizardDlg* wizard);

    virtual BOOL OnSetActive() = 0;    // after the page has been shown
    virtual BOOL OnKillActive() = 0;   // after the page has been hidden
    virtual int OnWizardNext() = 0;    // -1 keeps the wizard on the page
    virtual int OnWizardBack() = 0;    // -1 keeps the wizard on the page
    virtual BOOL OnWizardFinish() = 0; // nonzero ends the wizard

    CFont m_fontBold;
    CDeployWizardDlg* m_pWizard;
    BYTE m_bHeaderStyle = 0;  // 1: banner picture at the top right; 0: side picture
    CPageLabel m_labels[8];
    BYTE m_bIncluded = 1;     // takes part in Next and Back

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    // A cancel request that arises inside a page is not the page's to handle.
    void OnCancel() override {}
};
