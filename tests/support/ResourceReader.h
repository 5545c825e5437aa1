// Reads the resources of a module file without running it: dialog templates
// (plain and extended), menu templates and string tables.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

struct DialogItem {
    int id;
    std::wstring className;  // a predefined class as its atom, "#130" style, however stored
    std::wstring text;       // "#143" style for a resource ordinal
    DWORD style, exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption, face;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

struct MenuItem {
    bool popup = false, separator = false;
    WORD flags = 0, id = 0;
    std::wstring text;
    std::vector<MenuItem> children;
};

bool ParseDialog(const BYTE* data, DWORD size, DialogTemplate& out);
bool ParseMenu(const BYTE* data, DWORD size, std::vector<MenuItem>& out);

// A module loaded as a data file, for its resources only.
class ResourceModule {
public:
    explicit ResourceModule(const std::string& path);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    HMODULE Handle() const { return m_module; }
    // Resource types (integer ids), names (integer ids) and their languages.
    std::vector<WORD> Types() const;
    std::vector<WORD> Names(LPCWSTR type) const;
    std::vector<WORD> Languages(LPCWSTR type, WORD name) const;
    // The data of one resource, or an empty vector.
    std::vector<BYTE> Data(LPCWSTR type, WORD name, WORD language) const;
    // Every string of the string table in `language`, by id.
    std::map<UINT, std::wstring> Strings(WORD language) const;

private:
    HMODULE m_module;
};

std::string Utf8(const std::wstring& text);
