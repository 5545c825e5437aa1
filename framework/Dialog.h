// CDialog: a dialog from a template of the program's resources, modal
// (DoModal) or as a modeless child (Create). The object is tied to its window
// through the creation parameter and DWLP_USER.
#pragma once
#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
    ~CDialog() override;

    INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent);
    BOOL EndDialog(int result) { return ::EndDialog(m_hWnd, result); }
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }

protected:
    bool OnCommand(UINT id, UINT code) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void CenterOverOwner();
    bool m_bModal = false;
};
