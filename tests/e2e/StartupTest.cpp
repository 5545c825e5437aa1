// OrvDeploy started as a program of its own: the run mode chosen by its
// switches, and the running-instance guard answered in its real message box.
#include <gtest/gtest.h>
#include <functional>
#include "res/resource.h"
#include "support/Isolation.h"
#include "support/UiDriver.h"

namespace {

const char* const kTitle = "Velmora Software Deployment Wizard";

std::string Program() { return HostPath(ORV_TEST_BUILD_DIR "/OrvDeploy.exe"); }

// A dialog of process `pid` with the program's title that passes `test`.
HWND FindDialog(DWORD pid, const std::function<bool(HWND)>& test)
{
    return FindProcessWindow(pid, [&](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && WindowText(hwnd) == kTitle && test(hwnd);
    });
}

bool IsWizard(HWND dialog) { return GetDlgItem(dialog, IDC_NEXT) != nullptr; }

HWND WaitForWizard(const ProgramRun& run)
{
    HWND wizard = nullptr;
    WaitFor([&] { return (wizard = FindDialog(run.Pid(), IsWizard)) != nullptr; }, 20000);
    return wizard;
}

HWND WaitForMessageBox(const ProgramRun& run, const std::string& textPart)
{
    HWND box = nullptr;
    WaitFor(
        [&] {
            box = FindDialog(run.Pid(), [&](HWND dialog) {
                return !IsWizard(dialog) && MessageBoxText(dialog).find(textPart) != std::string::npos;
            });
            return box != nullptr;
        },
        20000);
    return box;
}

// Waits for the program to end, failing if a wizard window shows meanwhile.
long WaitForExitWithoutWizard(ProgramRun& run)
{
    bool wizardSeen = false;
    WaitFor([&] {
        wizardSeen = wizardSeen || FindDialog(run.Pid(), IsWizard);
        return !run.Running();
    }, 20000);
    EXPECT_FALSE(wizardSeen) << "a wizard window was shown";
    return run.Wait(0);
}

// Leaves the wizard as a user does: Cancel, Yes, then Finish on the done page.
void CancelAndFinish(ProgramRun& run, HWND wizard)
{
    PostClick(wizard, IDCANCEL);
    HWND question = WaitForMessageBox(run, "Are you sure you want to cancel");
    ASSERT_TRUE(question);
    PostClick(question, IDYES);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetDlgItem(wizard, IDC_FINISH)) != FALSE; }));
    PostClick(wizard, IDC_FINISH);
    EXPECT_EQ(0, run.Wait());
}

TEST(Startup, SwitchesChooseTheRunMode)
{
    struct Case {
        const char* arguments;
        bool wizard;
    } cases[] = {
        {"", true},
        {"bare words", true},
        {"/Uninstall", true},
        {"/uninstall", false},
        {"/ORV /uninstall", false},
        {"-ORV -uninstall", false},
        {"/preuninstallx", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ProgramRun run(Program(), c.arguments);
        ASSERT_TRUE(run.Started());
        if (!c.wizard) {
            EXPECT_EQ(0, WaitForExitWithoutWizard(run));
            continue;
        }
        HWND wizard = WaitForWizard(run);
        ASSERT_TRUE(wizard);
        // The welcome page is the one shown.
        HWND welcome = FindWindowExA(wizard, nullptr, "#32770", nullptr);
        while (welcome && !IsWindowVisible(welcome))
            welcome = FindWindowExA(wizard, welcome, "#32770", nullptr);
        ASSERT_TRUE(welcome);
        EXPECT_EQ("Integration Wizard for Visual Studio\xAE", Text(welcome, IDC_PAGE_TITLE));
        CancelAndFinish(run, wizard);
    }
}

TEST(Startup, GuardCancelEndsTheProgramBeforeAnyWizardWindow)
{
    TitledWindow ide("Project - Microsoft Visual C++");
    ProgramRun run(Program(), "");
    HWND box = WaitForMessageBox(run, " Project - Microsoft Visual C++\n");
    ASSERT_TRUE(box);
    EXPECT_NE(std::string::npos, MessageBoxText(box).find("In order to proceed, you must shut down all instances"));
    PostClick(box, IDCANCEL);
    EXPECT_EQ(0, WaitForExitWithoutWizard(run));
}

TEST(Startup, GuardOkRetriesAndTheWizardStartsOnceTheIdeIsClosed)
{
    TitledWindow ide("Microsoft Developer Studio - [Project]");
    ProgramRun run(Program(), "");
    HWND box = WaitForMessageBox(run, " Microsoft Developer Studio - [Project]\n");
    ASSERT_TRUE(box);
    PostClick(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    // Still running: the same question comes again, and no wizard yet.
    HWND again = WaitForMessageBox(run, " Microsoft Developer Studio - [Project]\n");
    ASSERT_TRUE(again);
    EXPECT_FALSE(FindDialog(run.Pid(), IsWizard));

    ide.Close();
    PostClick(again, IDOK);
    HWND wizard = WaitForWizard(run);
    ASSERT_TRUE(wizard);
    CancelAndFinish(run, wizard);
}

}  // namespace
