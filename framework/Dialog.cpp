#include "Dialog.h"
#include "WinApp.h"

CDialog::~CDialog()
{
    // A modeless window that outlives its object must no longer reach it.
    if (m_hWnd) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    CWnd* main = AfxGetMainWnd();
    if (!owner && main && main != this && main->m_hWnd)
        owner = ::GetLastActivePopup(main->m_hWnd);
    m_bModal = true;
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                       owner, DialogProc, reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId),
                         parent ? parent->m_hWnd : nullptr, DialogProc,
                         reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

bool CDialog::OnCommand(UINT id, UINT)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void CDialog::CenterOverOwner()
{
    RECT area, self;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ::GetWindowRect(m_hWnd, &self);
    int width = self.right - self.left, height = self.bottom - self.top;
    ::SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try {
        if (msg == WM_INITDIALOG) {
            CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
            ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
            dialog->m_hWnd = hwnd;
            if (dialog->m_bModal)
                dialog->CenterOverOwner();
            return dialog->OnInitDialog();
        }
        CDialog* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
        if (!dialog)
            return FALSE;
        if (msg == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
            dialog->m_hWnd = nullptr;
            return FALSE;
        }
        LRESULT result;
        if (!dialog->Dispatch(msg, wParam, lParam, result))
            return FALSE;
        // These messages return their result directly from a dialog procedure.
        if (IsCtlColorMessage(msg) || msg == WM_QUERYDRAGICON)
            return static_cast<INT_PTR>(result);
        ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        // No exception may cross the system's dialog procedure; the message
        // is left to the dialog manager.
        return FALSE;
    }
}
