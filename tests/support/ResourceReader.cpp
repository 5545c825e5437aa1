#include "ResourceReader.h"

namespace {

// A cursor over template data that never reads past its end.
class Reader {
public:
    Reader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}
    bool ok() const { return m_ok; }
    WORD Word()
    {
        WORD value = 0;
        Copy(&value, sizeof(value));
        return value;
    }
    DWORD Dword()
    {
        DWORD value = 0;
        Copy(&value, sizeof(value));
        return value;
    }
    BYTE Byte()
    {
        BYTE value = 0;
        Copy(&value, sizeof(value));
        return value;
    }
    std::wstring String()
    {
        std::wstring text;
        for (WORD c = Word(); m_ok && c; c = Word())
            text += static_cast<wchar_t>(c);
        return text;
    }
    // A name or ordinal field: empty, 0xFFFF plus an ordinal, or a string.
    std::wstring NameOrOrdinal()
    {
        WORD first = Word();
        if (first == 0)
            return L"";
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Word());
        m_pos -= 2;
        return String();
    }
    void Align4() { m_pos = (m_pos + 3) & ~static_cast<DWORD>(3); }
    void Skip(DWORD bytes) { m_pos += bytes; }

private:
    void Copy(void* target, DWORD bytes)
    {
        if (m_pos + bytes > m_size) {
            m_ok = false;
            m_pos = m_size;
            return;
        }
        memcpy(target, m_data + m_pos, bytes);
        m_pos += bytes;
    }
    const BYTE* m_data;
    DWORD m_size;
    DWORD m_pos = 0;
    bool m_ok = true;
};

// Templates may name a predefined control class or give its atom; both
// mean the same class.
std::wstring ClassAtom(const std::wstring& name)
{
    static const struct {
        const wchar_t* name;
        const wchar_t* atom;
    } classes[] = {{L"BUTTON", L"#128"},    {L"EDIT", L"#129"},     {L"STATIC", L"#130"},
                   {L"LISTBOX", L"#131"},   {L"SCROLLBAR", L"#132"}, {L"COMBOBOX", L"#133"}};
    for (const auto& c : classes)
        if (_wcsicmp(name.c_str(), c.name) == 0)
            return c.atom;
    return name;
}

}  // namespace

bool ParseDialog(const BYTE* data, DWORD size, DialogTemplate& out)
{
    Reader r(data, size);
    out = DialogTemplate{};
    WORD first = r.Word(), second = r.Word();
    out.extended = first == 1 && second == 0xFFFF;
    WORD count;
    if (out.extended) {
        r.Dword();  // help id
        out.exStyle = r.Dword();
        out.style = r.Dword();
    } else {
        out.style = MAKELONG(first, second);
        out.exStyle = r.Dword();
    }
    count = r.Word();
    out.x = static_cast<short>(r.Word());
    out.y = static_cast<short>(r.Word());
    out.cx = static_cast<short>(r.Word());
    out.cy = static_cast<short>(r.Word());
    r.NameOrOrdinal();  // menu
    r.NameOrOrdinal();  // class
    out.caption = r.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = r.Word();
        if (out.extended) {
            out.weight = r.Word();
            out.italic = r.Byte();
            out.charset = r.Byte();
        }
        out.face = r.String();
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.Align4();
        DialogItem item{};
        if (out.extended) {
            r.Dword();  // help id
            item.exStyle = r.Dword();
            item.style = r.Dword();
        } else {
            item.style = r.Dword();
            item.exStyle = r.Dword();
        }
        item.x = static_cast<short>(r.Word());
        item.y = static_cast<short>(r.Word());
        item.cx = static_cast<short>(r.Word());
        item.cy = static_cast<short>(r.Word());
        item.id = out.extended ? static_cast<int>(r.Dword()) : static_cast<short>(r.Word());
        item.className = ClassAtom(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Word());  // creation data
        out.items.push_back(item);
    }
    return r.ok();
}

static bool ParseMenuLevel(Reader& r, std::vector<MenuItem>& out)
{
    for (;;) {
        MenuItem item;
        item.flags = r.Word();
        item.popup = (item.flags & MF_POPUP) != 0;
        if (!item.popup)
            item.id = r.Word();
        item.text = r.String();
        if (!r.ok())
            return false;
        item.separator = !item.popup && ((item.flags & MF_SEPARATOR) || (item.id == 0 && item.text.empty()));
        if (item.popup && !ParseMenuLevel(r, item.children))
            return false;
        out.push_back(item);
        if (item.flags & MF_END)
            return true;
    }
}

bool ParseMenu(const BYTE* data, DWORD size, std::vector<MenuItem>& out)
{
    Reader r(data, size);
    out.clear();
    WORD version = r.Word(), offset = r.Word();
    if (!r.ok() || version != 0)
        return false;
    r.Skip(offset);
    return ParseMenuLevel(r, out);
}

ResourceModule::ResourceModule(const std::string& path)
    : m_module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ResourceModule::~ResourceModule()
{
    if (m_module)
        FreeLibrary(m_module);
}

std::vector<WORD> ResourceModule::Types() const
{
    std::vector<WORD> types;
    EnumResourceTypesW(
        m_module,
        [](HMODULE, LPWSTR type, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(param)->push_back(
                IS_INTRESOURCE(type) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(type)) : 0);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&types));
    return types;
}

std::vector<WORD> ResourceModule::Names(LPCWSTR type) const
{
    std::vector<WORD> names;
    EnumResourceNamesW(
        m_module, type,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(param)->push_back(
                IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::vector<WORD> ResourceModule::Languages(LPCWSTR type, WORD name) const
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(
        m_module, type, MAKEINTRESOURCEW(name),
        [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::vector<BYTE> ResourceModule::Data(LPCWSTR type, WORD name, WORD language) const
{
    HRSRC found = FindResourceExW(m_module, type, MAKEINTRESOURCEW(name), language);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(m_module, found);
    DWORD size = SizeofResource(m_module, found);
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(loaded));
    return bytes ? std::vector<BYTE>(bytes, bytes + size) : std::vector<BYTE>{};
}

std::map<UINT, std::wstring> ResourceModule::Strings(WORD language) const
{
    std::map<UINT, std::wstring> strings;
    for (WORD block : Names(MAKEINTRESOURCEW(6))) {
        std::vector<BYTE> data = Data(MAKEINTRESOURCEW(6), block, language);
        Reader r(data.data(), static_cast<DWORD>(data.size()));
        for (UINT i = 0; i < 16 && r.ok(); ++i) {
            WORD length = r.Word();
            std::wstring text;
            for (WORD c = 0; c < length && r.ok(); ++c)
                text += static_cast<wchar_t>(r.Word());
            if (length)
                strings[(block - 1u) * 16u + i] = text;
        }
    }
    return strings;
}

std::string Utf8(const std::wstring& text)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    if (bytes)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], bytes, nullptr,
                            nullptr);
    return out;
}
