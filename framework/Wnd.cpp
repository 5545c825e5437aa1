#include "Wnd.h"
#include <commctrl.h>
#include "Gdi.h"
#include "MessageBox.h"

CWnd::~CWnd()
{
    if (m_bSubclassed && m_hWnd)
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, 0);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = length > 0 ? ::GetWindowTextA(m_hWnd, &buffer[0], length + 1) : 0;
    text = CString(buffer.c_str(), copied);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    return AfxShowMessageBox(m_hWnd, text, caption, type);
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    if (!control || !::SetWindowSubclass(control, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        return FALSE;
    m_hWnd = control;
    m_bSubclassed = true;
    return TRUE;
}

bool CWnd::OnCommand(UINT, UINT) { return false; }

bool CWnd::OnSysCommand(UINT, LPARAM) { return false; }

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* control, UINT type)
{
    return reinterpret_cast<HBRUSH>(::DefWindowProcA(m_hWnd, WM_CTLCOLORMSGBOX + type,
                                                     reinterpret_cast<WPARAM>(dc->m_hDC),
                                                     reinterpret_cast<LPARAM>(control->m_hWnd)));
}

bool CWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    if (IsCtlColorMessage(msg)) {
        CDC dc(reinterpret_cast<HDC>(wParam));
        CWnd control(reinterpret_cast<HWND>(lParam));
        result = reinterpret_cast<LRESULT>(OnCtlColor(&dc, &control, msg - WM_CTLCOLORMSGBOX));
        return true;
    }
    switch (msg) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_SETTEXT:
        result = TRUE;
        return OnSetText(lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam), lParam);
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return result != 0;
    default:
        return false;
    }
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self)
{
    CWnd* wnd = reinterpret_cast<CWnd*>(self);
    if (msg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, SubclassProc, 0);
        wnd->m_hWnd = nullptr;
        wnd->m_bSubclassed = false;
        return ::DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    try {
        LRESULT result;
        if (wnd->Dispatch(msg, wParam, lParam, result))
            return result;
    } catch (...) {
        // No exception may cross the system's window procedure; the message
        // falls back to its default processing.
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}
