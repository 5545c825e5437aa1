// Device contexts and GDI objects. Each object deletes what it created.
#pragma once
#include <windows.h>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    BOOL DeleteObject();
    HGDIOBJ m_hObject = nullptr;

protected:
    BOOL Attach(HGDIOBJ object);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* font) { return Attach(::CreateFontIndirectA(font)); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    BOOL LoadBitmap(UINT id);
    BOOL GetBitmap(BITMAP* info) const
    {
        return m_hObject && ::GetObjectA(m_hObject, sizeof(BITMAP), info) == sizeof(BITMAP);
    }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CPen : public CGdiObject {
public:
    CPen(int style, int width, COLORREF color) { Attach(::CreatePen(style, width, color)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CDC {
public:
    CDC() = default;
    // Wraps a DC owned by someone else, such as one handed to a message.
    explicit CDC(HDC dc) : m_hDC(dc) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* dc);

    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    void FillSolidRect(const RECT& rect, COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, srcX, srcY, rop);
    }
    BOOL MoveTo(int x, int y) { return ::MoveToEx(m_hDC, x, y, nullptr); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    int DrawText(LPCSTR text, int length, RECT* rect, UINT format)
    {
        return ::DrawTextA(m_hDC, text, length, rect, format);
    }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;

private:
    bool m_bCreated = false;
};

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
