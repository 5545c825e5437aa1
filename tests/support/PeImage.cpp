#include "PeImage.h"
#include <fstream>
#include <iterator>

PeImage::PeImage(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    m_bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (At<WORD>(0) != IMAGE_DOS_SIGNATURE)
        return;
    DWORD nt = At<DWORD>(offsetof(IMAGE_DOS_HEADER, e_lfanew));
    if (At<DWORD>(nt) == IMAGE_NT_SIGNATURE)
        m_nt = nt;
}

WORD PeImage::Machine() const { return At<WORD>(m_nt + 4 + offsetof(IMAGE_FILE_HEADER, Machine)); }

WORD PeImage::Characteristics() const
{
    return At<WORD>(m_nt + 4 + offsetof(IMAGE_FILE_HEADER, Characteristics));
}

WORD PeImage::Magic() const { return At<WORD>(m_nt + 4 + sizeof(IMAGE_FILE_HEADER)); }

WORD PeImage::Subsystem() const
{
    DWORD optional = m_nt + 4 + sizeof(IMAGE_FILE_HEADER);
    return Magic() == IMAGE_NT_OPTIONAL_HDR32_MAGIC
               ? At<WORD>(optional + offsetof(IMAGE_OPTIONAL_HEADER32, Subsystem))
               : At<WORD>(optional + offsetof(IMAGE_OPTIONAL_HEADER64, Subsystem));
}

IMAGE_DATA_DIRECTORY PeImage::Directory(int index) const
{
    DWORD optional = m_nt + 4 + sizeof(IMAGE_FILE_HEADER);
    DWORD directories = Magic() == IMAGE_NT_OPTIONAL_HDR32_MAGIC
                            ? optional + offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory)
                            : optional + offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory);
    DWORD count = Magic() == IMAGE_NT_OPTIONAL_HDR32_MAGIC
                      ? At<DWORD>(optional + offsetof(IMAGE_OPTIONAL_HEADER32, NumberOfRvaAndSizes))
                      : At<DWORD>(optional + offsetof(IMAGE_OPTIONAL_HEADER64, NumberOfRvaAndSizes));
    if (index < 0 || static_cast<DWORD>(index) >= count)
        return {};
    return At<IMAGE_DATA_DIRECTORY>(directories + index * sizeof(IMAGE_DATA_DIRECTORY));
}

DWORD PeImage::Offset(DWORD rva) const
{
    WORD sections = At<WORD>(m_nt + 4 + offsetof(IMAGE_FILE_HEADER, NumberOfSections));
    WORD optionalSize = At<WORD>(m_nt + 4 + offsetof(IMAGE_FILE_HEADER, SizeOfOptionalHeader));
    DWORD table = m_nt + 4 + sizeof(IMAGE_FILE_HEADER) + optionalSize;
    for (WORD i = 0; i < sections; ++i) {
        auto section = At<IMAGE_SECTION_HEADER>(table + i * sizeof(IMAGE_SECTION_HEADER));
        DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + size)
            return rva - section.VirtualAddress + section.PointerToRawData;
    }
    return 0;
}

std::string PeImage::CString(DWORD rva) const
{
    std::string text;
    for (DWORD at = Offset(rva); at && at < m_bytes.size() && m_bytes[at]; ++at)
        text += static_cast<char>(m_bytes[at]);
    return text;
}

std::vector<std::string> PeImage::ImportedDlls() const
{
    std::vector<std::string> dlls;
    IMAGE_DATA_DIRECTORY imports = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (!imports.VirtualAddress)
        return dlls;
    for (DWORD at = Offset(imports.VirtualAddress); at; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        auto descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(at);
        if (!descriptor.Name)
            break;
        dlls.push_back(CString(descriptor.Name));
    }
    return dlls;
}

PeImage::Exports PeImage::ReadExports() const
{
    Exports exports;
    IMAGE_DATA_DIRECTORY directory = Directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    DWORD at = directory.VirtualAddress ? Offset(directory.VirtualAddress) : 0;
    if (!at)
        return exports;
    auto table = At<IMAGE_EXPORT_DIRECTORY>(at);
    exports.moduleName = CString(table.Name);
    exports.base = table.Base;
    exports.functions = table.NumberOfFunctions;
    for (DWORD i = 0; i < table.NumberOfNames; ++i) {
        exports.names.push_back(CString(At<DWORD>(Offset(table.AddressOfNames) + 4 * i)));
        exports.ordinals.push_back(At<WORD>(Offset(table.AddressOfNameOrdinals) + 2 * i));
    }
    return exports;
}
