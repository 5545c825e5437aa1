// The isolation helpers every test relies on: they must really redirect,
// clean up and restore.
#include <gtest/gtest.h>
#include <stdlib.h>
#include "support/Isolation.h"

namespace {

bool KeyExists(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Isolation, RegistryRedirectKeepsWritesAwayFromTheRealRootsAndDropsThem)
{
    const char* path = "Software\\OrvDeployIsolationProbe";
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, path));
    {
        RegistryRedirect redirect;
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                 &key, nullptr));
        RegCloseKey(key);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                 &key, nullptr));
        RegCloseKey(key);
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, path));
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, path));
        // Each test starts from empty roots.
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Microsoft"));
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, path));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, path));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Microsoft"));
    // Nothing of this process is left below the scratch keys' parent.
    HKEY scratch;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\OrvDeployTests", 0, KEY_READ, &scratch) == ERROR_SUCCESS) {
        std::string mine = std::to_string(GetCurrentProcessId()) + "-";
        char name[256];
        for (DWORD i = 0, size = sizeof(name); RegEnumKeyExA(scratch, i, name, &size, nullptr, nullptr, nullptr,
                                                             nullptr) == ERROR_SUCCESS;
             ++i, size = sizeof(name))
            EXPECT_NE(0u, std::string(name).rfind(mine, 0)) << name;
        RegCloseKey(scratch);
    }
}

TEST(Isolation, TempDirIsNewAndGoesWithEverythingInIt)
{
    std::string path, file;
    {
        TempDir first, second;
        path = first.Path();
        EXPECT_NE(first.Path(), second.Path());
        ASSERT_TRUE(FileExists(path));
        ASSERT_TRUE(CreateDirectoryA((path + "\\sub").c_str(), nullptr));
        file = first.File("sub\\note.txt");
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, handle);
        CloseHandle(handle);
    }
    EXPECT_FALSE(FileExists(file));
    EXPECT_FALSE(FileExists(path));
}

TEST(Isolation, ScopedEnvRestoresSetAndUnsetVariables)
{
    char buffer[64];
    _putenv_s("ORV_PROBE_SET", "before");
    _putenv_s("ORV_PROBE_UNSET", "");
    {
        ScopedEnv changed("ORV_PROBE_SET", "during");
        ScopedEnv added("ORV_PROBE_UNSET", "new");
        ScopedEnv removed("ORV_PROBE_GONE", nullptr);
        EXPECT_STREQ("during", getenv("ORV_PROBE_SET"));
        ASSERT_GT(GetEnvironmentVariableA("ORV_PROBE_UNSET", buffer, sizeof(buffer)), 0u);
        EXPECT_STREQ("new", buffer);
    }
    EXPECT_STREQ("before", getenv("ORV_PROBE_SET"));
    EXPECT_EQ(nullptr, getenv("ORV_PROBE_UNSET"));
    EXPECT_EQ(0u, GetEnvironmentVariableA("ORV_PROBE_UNSET", buffer, sizeof(buffer)));
    _putenv_s("ORV_PROBE_SET", "");
}

}  // namespace
