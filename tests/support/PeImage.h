// Reads the headers, imports and exports of a PE file (32 or 64 bit) as
// bytes, without loading it.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class PeImage {
public:
    explicit PeImage(const std::string& path);

    bool Valid() const { return m_nt != 0; }
    WORD Machine() const;
    WORD Magic() const;
    WORD Subsystem() const;
    WORD Characteristics() const;
    // The data directory entry `index` (IMAGE_DIRECTORY_ENTRY_...).
    IMAGE_DATA_DIRECTORY Directory(int index) const;
    std::vector<std::string> ImportedDlls() const;

    struct Exports {
        std::string moduleName;
        DWORD base = 0, functions = 0;
        std::vector<std::string> names;
        std::vector<WORD> ordinals;  // of each name, biased by base
    };
    Exports ReadExports() const;

private:
    // The file offset of a relative virtual address, or 0.
    DWORD Offset(DWORD rva) const;
    std::string CString(DWORD rva) const;
    template <class T>
    T At(DWORD offset) const
    {
        T value{};
        if (offset + sizeof(T) <= m_bytes.size())
            memcpy(&value, &m_bytes[offset], sizeof(T));
        return value;
    }

    std::vector<BYTE> m_bytes;
    DWORD m_nt = 0;
};
