#include "wizard/PageLabel.h"

bool CPageLabel::OnPaint()
{
    CPaintDC dc(this);
    int saved = dc.SaveDC();
    RECT rect;
    GetClientRect(&rect);
    dc.FillSolidRect(rect, m_crBack);
    dc.SetBkColor(m_crBack);
    dc.SetTextColor(m_crText);
    dc.SelectObject(GetFont());
    CString text;
    GetWindowText(text);
    dc.DrawText(text, -1, &rect, DT_WORDBREAK | DT_VCENTER);
    dc.RestoreDC(saved);
    return true;
}

bool CPageLabel::OnSetText(LPARAM text)
{
    if (::IsWindowUnicode(m_hWnd))
        ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, text);
    else
        ::DefWindowProcA(m_hWnd, WM_SETTEXT, 0, text);
    Invalidate();
    return true;
}
