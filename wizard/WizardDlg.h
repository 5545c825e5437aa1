// CWizardDlg: the frame of the home-made wizard. It carries the Back, Next,
// Finish and Cancel buttons, owns the ordered list of pages and shows one
// page at a time above its button row.
#pragma once
#include <memory>
#include <vector>
#include "framework/Framework.h"

class CWizardPage;

enum WizardOutcome { Succeeded = 0, CompletedWithErrors = 1, Interrupted = 2 };

// Flags of SetWizardButtons.
enum : UINT {
    WIZB_BACK = 1,          // Back enabled
    WIZB_NEXT = 2,          // Next enabled
    WIZB_FINISH = 4,        // Finish shown instead of Next
    WIZB_DISABLEDFINISH = 8 // with WIZB_FINISH: Finish disabled, Cancel usable
};

class CWizardDlg : public CDialog {
public:
    explicit CWizardDlg(CWnd* parent);
    ~CWizardDlg() override;

    void AddPage(CWizardPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CWizardPage* GetPage(int index) const { return m_pages[static_cast<size_t>(index)].get(); }
    int GetActiveIndex() const { return m_nActivePage; }
    CWizardPage* GetActivePage() const { return GetPage(m_nActivePage); }

    BOOL SetActivePage(int index);
    void SetWizardButtons(UINT flags);
    void ShowBrandLabel(BOOL show);

    CButton m_btnFinish;
    CButton m_btnCancel;
    CButton m_btnNext;
    CButton m_btnBack;
    int m_nOutcome = Succeeded;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code) override;
    void OnCancel() override;

    void OnNext();
    void OnBack();
    void OnFinish();

    int m_nActivePage = 0;

private:
    bool HasPage(int index) const { return index >= 0 && index < GetPageCount(); }
    // The first included page from `index` on in steps of `step`, or -1.
    int FindIncludedPage(int index, int step) const;

    std::vector<std::unique_ptr<CWizardPage>> m_pages;
};
