// CString: single-byte (ANSI) text in the system code page.
#pragma once
#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text ? text : "") {}
    CString(LPCSTR text, int length) : m_text(text, length > 0 ? length : 0) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator LPCSTR() const { return m_text.c_str(); }

    CString& operator+=(LPCSTR text) { m_text += text ? text : ""; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }

    // Case-sensitive search; the index of the first match or -1.
    int Find(LPCSTR sub, int start = 0) const;
    // Replaces every occurrence of `old`; returns how many were replaced.
    int Replace(LPCSTR old, LPCSTR with);
    // Loads a string-table entry of the program; FALSE (and empty) when absent.
    BOOL LoadString(UINT id);

private:
    std::string m_text;
};
