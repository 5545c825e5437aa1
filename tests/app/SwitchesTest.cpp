// Joining the command-line switches at startup.
#include <gtest/gtest.h>
#include <vector>
#include "app/DeployApp.h"

namespace {

TEST(Switches, OnlyArgumentsWithASwitchCharacterAreJoined)
{
    struct Case {
        std::vector<const char*> args;
        const char* switches;
    } cases[] = {
        {{}, "/ORV"},
        {{"bare", "words"}, "/ORV"},
        {{"/uninstall"}, "/uninstall"},
        {{"/ORV", "/uninstall"}, "/ORV/uninstall"},
        {{"-ORV", "-uninstall"}, "-ORV-uninstall"},
        {{"/Uninstall"}, "/Uninstall"},
        {{"/reuninstalling"}, "/reuninstalling"},
        {{"word", "/firsttime", "x", "-ORV"}, "/firsttime-ORV"},
        {{"", "/a"}, "/a"},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("OrvDeploy.exe")};
        for (const char* arg : c.args)
            argv.push_back(const_cast<char*>(arg));
        EXPECT_EQ(c.switches, std::string(JoinSwitches(static_cast<int>(argv.size()), argv.data())));
    }
}

TEST(Switches, ModeAndPreselectionFollowTheSubstringTests)
{
    // The case-sensitive substring tests of startup: the uninstall mode, and
    // the catalogue's library switch with its slash.
    struct Case {
        const char* switches;
        bool uninstall;
        bool preselect;
    } cases[] = {
        {"/ORV", false, true},           {"/uninstall", true, false},
        {"/ORV/uninstall", true, true}, {"-ORV-uninstall", true, false},
        {"/Uninstall", false, false},   {"/reuninstalling", true, false},
    };
    for (const Case& c : cases) {
        CString s(c.switches);
        EXPECT_EQ(c.uninstall, s.Find("uninstall") >= 0) << c.switches;
        EXPECT_EQ(c.preselect, s.Find("/ORV") >= 0) << c.switches;
    }
}

}  // namespace
