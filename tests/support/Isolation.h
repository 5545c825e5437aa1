// Isolation for tests: redirected registry roots, a temp folder per test,
// scoped environment variables, and paths of the build.
#pragma once
#include <windows.h>
#include <string>

// Redirects HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER of this process to two
// empty scratch keys for the object's lifetime, and deletes them afterwards.
class RegistryRedirect {
public:
    RegistryRedirect();
    ~RegistryRedirect();
    RegistryRedirect(const RegistryRedirect&) = delete;
    RegistryRedirect& operator=(const RegistryRedirect&) = delete;

private:
    std::string m_root;
    HKEY m_machine = nullptr;
    HKEY m_user = nullptr;
};

// A new empty folder below the temp folder, removed with all it holds.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Sets (or, with a null value, removes) an environment variable and restores
// the earlier state at the end of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name, m_old;
    bool m_hadOld;
};

// A path of the build machine ("/work/x") as this process sees it ("Z:\work\x").
std::string HostPath(const char* unixPath);
