#include "MessageBox.h"
#include "WinApp.h"
#include "Wnd.h"

static const UINT AFX_IDS_APP_TITLE = 57344;

static MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

void AfxSetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (Hook())
        return Hook()(owner, text, caption, type);
    return ::MessageBoxA(owner, text, caption, type);
}

int AfxMessageBox(LPCSTR text, UINT type)
{
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    // A service notification must not have an owner window.
    HWND owner = nullptr;
    CWnd* main = AfxGetMainWnd();
    if (main && main->m_hWnd && !(type & MB_SERVICE_NOTIFICATION))
        owner = ::GetLastActivePopup(main->m_hWnd);
    return AfxShowMessageBox(owner, text, title, type);
}

void AfxFormatString1(CString& out, UINT id, LPCSTR arg)
{
    out.LoadString(id);
    out.Replace("%1", arg);
}
