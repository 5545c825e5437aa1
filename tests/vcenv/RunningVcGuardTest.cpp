// The startup guard against running IDE instances, seen through windows of
// this process titled like the IDEs.
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "support/UiDriver.h"
#include "vcenv/RunningVcGuard.h"

namespace {

TEST(RunningVcGuard, NoIdeWindowMeansNoMessageAndGoOn)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ("", std::string(ListRunningVcInstances()));
    EXPECT_TRUE(CheckNoRunningVc());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(RunningVcGuard, ListsMatchingWindowsByFragmentThenZOrder)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, bool>> windows;  // title, visible; created bottom to top
        const char* list;
    } cases[] = {
        {"one of each of two versions, the 6.0 one on top",
         {{"Microsoft Developer Studio - [Project]", true}, {"Project - Microsoft Visual C++", true}},
         " Microsoft Developer Studio - [Project]\n Project - Microsoft Visual C++\n"},
        {"7.x", {{"Solution - Microsoft Development Environment [design]", true}},
         " Solution - Microsoft Development Environment [design]\n"},
        {"a hidden window counts", {{"Microsoft Visual C++", false}}, " Microsoft Visual C++\n"},
        {"other letter case does not match", {{"project - microsoft visual c++", true}}, ""},
        {"two fragments in one title are listed twice",
         {{"Microsoft Visual C++ - Microsoft Development Environment", true}},
         " Microsoft Visual C++ - Microsoft Development Environment\n"
         " Microsoft Visual C++ - Microsoft Development Environment\n"},
        {"within a fragment topmost first",
         {{"A - Microsoft Visual C++", true}, {"Unrelated", true}, {"B - Microsoft Visual C++", true}},
         " B - Microsoft Visual C++\n A - Microsoft Visual C++\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<TitledWindow>> windows;
        for (const auto& w : c.windows) {
            windows.push_back(std::make_unique<TitledWindow>(w.first, w.second));
            SetWindowPos(windows.back()->Handle(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (w.second ? SWP_SHOWWINDOW : 0));
        }
        EXPECT_EQ(c.list, std::string(ListRunningVcInstances()));
    }
}

TEST(RunningVcGuard, FindWindowByTitlePartSearchesFromTheStartWindowOn)
{
    TitledWindow lower("lower - Microsoft Visual C++");
    TitledWindow upper("upper - Microsoft Visual C++");
    SetWindowPos(upper.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND top = GetWindow(GetDesktopWindow(), GW_CHILD);
    EXPECT_EQ(upper.Handle(), FindWindowByTitlePart("Microsoft Visual C++", top));
    EXPECT_EQ(lower.Handle(), FindWindowByTitlePart("Microsoft Visual C++", GetWindow(upper.Handle(), GW_HWNDNEXT)));
    EXPECT_EQ(nullptr, FindWindowByTitlePart("Microsoft Visual C++", GetWindow(lower.Handle(), GW_HWNDNEXT)));
    EXPECT_EQ(nullptr, FindWindowByTitlePart("Microsoft Visual C++", nullptr));
}

TEST(RunningVcGuard, OkRetriesUntilTheWindowsAreClosed)
{
    TitledWindow ide("Project - Microsoft Visual C++");
    MessageBoxRecorder boxes;
    boxes.Answer(IDOK);                             // nothing closed: asked again
    boxes.Answer(IDOK, [&] { ide.Close(); });       // closed, then OK
    EXPECT_TRUE(CheckNoRunningVc());

    auto shown = boxes.Boxes();
    ASSERT_EQ(2u, shown.size());
    for (const auto& box : shown) {
        EXPECT_EQ("In order to proceed, you must shut down all instances of VC++, the following instance(s) "
                  "were detected:\n\n Project - Microsoft Visual C++\n\nPress \"OK\" to retry.",
                  box.text);
        EXPECT_EQ("Velmora Software Deployment Wizard", box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION | MB_SERVICE_NOTIFICATION), box.type);
        EXPECT_EQ(nullptr, box.owner);
    }
}

TEST(RunningVcGuard, CancelGivesUp)
{
    TitledWindow ide("Microsoft Developer Studio");
    MessageBoxRecorder boxes;
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(CheckNoRunningVc());
    EXPECT_EQ(1u, boxes.Boxes().size());
}

}  // namespace
