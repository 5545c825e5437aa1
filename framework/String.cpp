#include "String.h"
#include "WinApp.h"

int CString::Find(LPCSTR sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    size_t pos = m_text.find(sub ? sub : "", static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(LPCSTR old, LPCSTR with)
{
    std::string from(old ? old : ""), to(with ? with : "");
    if (from.empty())
        return 0;
    int count = 0;
    for (size_t pos = m_text.find(from); pos != std::string::npos;
         pos = m_text.find(from, pos + to.size())) {
        m_text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

BOOL CString::LoadString(UINT id)
{
    // With a zero buffer size LoadStringW hands out the resource text itself,
    // so a string of any length is converted whole.
    LPCWSTR text = nullptr;
    int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    m_text.clear();
    if (length <= 0 || !text)
        return FALSE;
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return FALSE;
    m_text.resize(static_cast<size_t>(bytes));
    ::WideCharToMultiByte(CP_ACP, 0, text, length, &m_text[0], bytes, nullptr, nullptr);
    return TRUE;
}
