#include "Isolation.h"
#include <shellapi.h>
#include <stdlib.h>
#include <atomic>

RegistryRedirect::RegistryRedirect()
{
    static std::atomic<int> counter{0};
    m_root = "Software\\OrvDeployTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(counter++);
    RegCreateKeyExA(HKEY_CURRENT_USER, (m_root + "\\HKLM").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &m_machine, nullptr);
    RegCreateKeyExA(HKEY_CURRENT_USER, (m_root + "\\HKCU").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &m_user, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
    RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
}

RegistryRedirect::~RegistryRedirect()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(m_machine);
    RegCloseKey(m_user);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str());
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    m_path = std::string(base) + "orvtest-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(counter++);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TempDir::~TempDir()
{
    std::string from = m_path + std::string(2, '\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name)
{
    const char* old = getenv(name);
    m_hadOld = old != nullptr;
    if (old)
        m_old = old;
    // _putenv keeps the C runtime's copy and the process environment in step.
    _putenv_s(name, value ? value : "");
}

ScopedEnv::~ScopedEnv() { _putenv_s(m_name.c_str(), m_hadOld ? m_old.c_str() : ""); }

std::string HostPath(const char* unixPath)
{
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}
