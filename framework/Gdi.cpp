#include "Gdi.h"
#include "WinApp.h"
#include "Wnd.h"

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    DeleteObject();
    m_hObject = object;
    return object != nullptr;
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}

CDC::~CDC()
{
    if (m_bCreated && m_hDC)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_bCreated && m_hDC)
        ::DeleteDC(m_hDC);
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_bCreated = m_hDC != nullptr;
    return m_bCreated;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}
