// The wizard frame's page protocol: buttons, Next and Back with excluded
// pages and vetoes, Cancel with its question, Finish.
#include <gtest/gtest.h>
#include "res/resource.h"
#include "wizard/WizardHarness.h"

namespace {

using Log = std::vector<std::string>;
using Scripted = WizardRun<ScriptedWizard>;

struct Buttons {
    bool backEnabled, nextVisible, nextEnabled, finishVisible, finishEnabled, cancelEnabled;
};

Buttons ReadButtons(HWND frame)
{
    return {IsEnabled(frame, IDC_BACK),   IsVisible(frame, IDC_NEXT),   IsEnabled(frame, IDC_NEXT),
            IsVisible(frame, IDC_FINISH), IsEnabled(frame, IDC_FINISH), IsEnabled(frame, IDCANCEL)};
}

void ExpectButtons(HWND frame, const Buttons& expected)
{
    Buttons b = ReadButtons(frame);
    EXPECT_EQ(expected.backEnabled, b.backEnabled) << "Back enabled";
    EXPECT_EQ(expected.nextVisible, b.nextVisible) << "Next visible";
    EXPECT_EQ(expected.nextEnabled, b.nextEnabled) << "Next enabled";
    EXPECT_EQ(expected.finishVisible, b.finishVisible) << "Finish visible";
    if (expected.finishVisible) {  // a hidden Finish keeps whatever state it had
        EXPECT_EQ(expected.finishEnabled, b.finishEnabled) << "Finish enabled";
    }
    EXPECT_EQ(expected.cancelEnabled, b.cancelEnabled) << "Cancel enabled";
}

TEST(WizardFrame, SetWizardButtonsSetsEachButtonFromItsFlags)
{
    struct Case {
        UINT flags;
        Buttons expected;
    } cases[] = {
        //        back   nextV  nextE  finV   finE   cancel
        {0, {false, true, false, false, false, true}},
        {WIZB_BACK, {true, true, false, false, false, true}},
        {WIZB_NEXT, {false, true, true, false, false, true}},
        {WIZB_BACK | WIZB_NEXT, {true, true, true, false, false, true}},
        {WIZB_FINISH, {false, false, false, true, true, false}},
        {WIZB_FINISH | WIZB_BACK, {true, false, false, true, true, false}},
        {WIZB_FINISH | WIZB_DISABLEDFINISH, {false, false, false, true, false, true}},
        {WIZB_DISABLEDFINISH | WIZB_NEXT, {false, true, true, false, false, true}},
    };
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    for (const Case& c : cases) {
        SCOPED_TRACE("flags " + std::to_string(c.flags));
        // From the opposite state, so that every bit has to do its part.
        run.ui->Invoke([&] { run.wizard->SetWizardButtons(c.flags ^ (WIZB_BACK | WIZB_NEXT | WIZB_FINISH)); });
        run.ui->Invoke([&] { run.wizard->SetWizardButtons(c.flags); });
        ExpectButtons(run.frame, c.expected);
    }
}

TEST(WizardFrame, FirstPageIsShownAndActivatedAtStart)
{
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    EXPECT_EQ(0, run.ActiveIndex());
    EXPECT_TRUE(IsWindowVisible(run.ActivePage()));
    // The first SetActivePage deactivates and reactivates the same page.
    EXPECT_EQ((Log{"kill0", "set0"}), log);
}

TEST(WizardFrame, NextAndBackSkipExcludedPagesInBothDirections)
{
    PageScript excluded;
    excluded.included = 0;
    MessageBoxRecorder boxes;
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, excluded, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    HWND first = run.ActivePage();
    log.clear();

    Click(run.frame, IDC_NEXT);
    EXPECT_EQ(2, run.ActiveIndex());
    EXPECT_EQ((Log{"next0", "kill0", "set2"}), log);
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(run.ActivePage()));

    log.clear();
    Click(run.frame, IDC_BACK);
    EXPECT_EQ(0, run.ActiveIndex());
    EXPECT_EQ((Log{"back2", "kill2", "set0"}), log);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(WizardFrame, VetoKeepsThePage)
{
    PageScript vetoing;
    vetoing.next = -1;
    vetoing.back = -1;
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, vetoing, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    Click(run.frame, IDC_NEXT);
    ASSERT_EQ(1, run.ActiveIndex());

    log.clear();
    Click(run.frame, IDC_NEXT);
    Click(run.frame, IDC_BACK);
    EXPECT_EQ(1, run.ActiveIndex());
    EXPECT_EQ((Log{"next1", "back1"}), log);
    EXPECT_TRUE(IsWindowVisible(run.ActivePage()));
}

TEST(WizardFrame, NoIncludedPageInTheDirectionLeavesThePageActive)
{
    PageScript excluded;
    excluded.included = 0;
    Log log;
    Scripted run(std::vector<PageScript>{excluded, PageScript{}, excluded}, &log);
    ASSERT_TRUE(run.frame);
    run.ui->Invoke([&] { run.wizard->SetActivePage(1); });
    log.clear();

    Click(run.frame, IDC_NEXT);
    Click(run.frame, IDC_BACK);
    EXPECT_EQ(1, run.ActiveIndex());
    EXPECT_EQ((Log{"next1", "back1"}), log);
}

TEST(WizardFrame, CancelAnsweredNoChangesNothing)
{
    MessageBoxRecorder boxes;
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, PageScript{}, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    Click(run.frame, IDC_NEXT);
    Buttons before = ReadButtons(run.frame);
    log.clear();

    boxes.Answer(IDNO);
    Click(run.frame, IDCANCEL);

    auto shown = boxes.Boxes();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Are you sure you want to cancel the Velmora Software Deployment Wizard?", shown[0].text);
    EXPECT_EQ("Velmora Software Deployment Wizard", shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), shown[0].type);
    EXPECT_EQ(run.frame, shown[0].owner);
    EXPECT_EQ(1, run.ActiveIndex());
    EXPECT_TRUE(IsWindowVisible(run.ActivePage()));
    EXPECT_TRUE(log.empty());
    Buttons after = ReadButtons(run.frame);
    EXPECT_EQ(0, memcmp(&before, &after, sizeof(Buttons)));
}

TEST(WizardFrame, CancelAnsweredYesGoesStraightToTheLastPage)
{
    MessageBoxRecorder boxes;
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, PageScript{}, PageScript{}, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);
    log.clear();

    boxes.Answer(IDYES);
    Click(run.frame, IDCANCEL);
    EXPECT_EQ(3, run.ActiveIndex());
    // Neither the page's Next nor any page between takes part.
    EXPECT_EQ((Log{"kill0", "set3"}), log);
    int outcome = -1;
    run.ui->Invoke([&] { outcome = run.wizard->m_nOutcome; });
    EXPECT_EQ(Interrupted, outcome);
}

TEST(WizardFrame, EscapeAndCloseAskOnTheFrameButNotOnAPage)
{
    MessageBoxRecorder boxes;
    Log log;
    Scripted run(std::vector<PageScript>{PageScript{}, PageScript{}}, &log);
    ASSERT_TRUE(run.frame);

    // The cancel command delivered to a page does nothing.
    SendMessageA(run.ActivePage(), WM_COMMAND, IDCANCEL, 0);
    run.ui->Flush();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(IsWindowVisible(run.ActivePage()));

    // The window's Close and Escape on a frame button ask.
    PostMessageA(run.frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return boxes.Boxes().size() == 1; }));
    PostMessageA(GetDlgItem(run.frame, IDC_NEXT), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return boxes.Boxes().size() == 2; }));
    for (const auto& box : boxes.Boxes())
        EXPECT_EQ("Are you sure you want to cancel the Velmora Software Deployment Wizard?", box.text);
    EXPECT_EQ(0, run.ActiveIndex());
    EXPECT_TRUE(IsWindow(run.frame));
}

TEST(WizardFrame, FinishEndsTheDialogWithOk)
{
    PageScript last;
    last.buttons = WIZB_FINISH;
    Log log;
    Scripted run(std::vector<PageScript>{last}, &log);
    ASSERT_TRUE(run.frame);
    Click(run.frame, IDC_FINISH);
    ASSERT_TRUE(run.ui->Join());
    EXPECT_EQ(IDOK, run.result);
    EXPECT_EQ("finish0", log.back());
}

}  // namespace
