// CWnd: an object tied to a window handle, and the layer's one message
// dispatch: the window procedures of dialogs and subclassed controls pass
// each message to Dispatch, which calls the virtual On... handler for it.
// A handler that returns false leaves the message to default processing.
#pragma once
#include <windows.h>
#include "String.h"

class CDC;

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a control asks its parent for colours.
inline bool IsCtlColorMessage(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

class CWnd {
public:
    CWnd() = default;
    // Wraps a window without taking it over, as GetDlgItem returns it.
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    explicit operator bool() const { return m_hWnd != nullptr; }

    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    BOOL Invalidate(BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    HICON SetIcon(HICON icon, BOOL big)
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(icon)));
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, BOOL redraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    BOOL DestroyWindow();
    int MessageBox(LPCSTR text, LPCSTR caption, UINT type);

    // Takes over the dialog control `id` of `parent`, so that its messages
    // reach this object's handlers.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    HWND m_hWnd = nullptr;

protected:
    bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    virtual bool OnCommand(UINT id, UINT code);
    virtual bool OnPaint() { return false; }
    // `text` is in the window's own character set (wide for the system's
    // control classes, whatever the caller used).
    virtual bool OnSetText(LPARAM /*text*/) { return false; }
    virtual bool OnSysCommand(UINT id, LPARAM lParam);
    virtual HICON OnQueryDragIcon() { return nullptr; }
    // Default: the colours and brush that DefWindowProc chooses.
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT type);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    bool m_bSubclassed = false;
};
