// The program's wizard with its welcome and done pages: texts, buttons,
// outcomes, the About box, and what the pages draw.
#include <gtest/gtest.h>
#include "res/resource.h"
#include "wizard/DonePage.h"
#include "wizard/WelcomePage.h"
#include "wizard/WizardHarness.h"

namespace {

using Deploy = WizardRun<CDeployWizardDlg>;

const char* const kInterrupted =
    "The wizard was interrupted before the libraries could be completely deployed.\n\nYour system has not "
    "been modified, to run this wizard at a later time, select \"Launch Deployment Wizard\" from the "
    "Velmora Software start menu.";

HWND DonePage(const Deploy& run)
{
    HWND page = nullptr;
    run.ui->Invoke([&] { page = run.wizard->m_pDonePage->m_hWnd; });
    return page;
}

// Has the whole frame painted anew, on its own thread, before the test
// reads what it shows.
template <class Run>
void PaintNow(const Run& run)
{
    run.ui->Invoke([&] { RedrawWindow(run.frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); });
}

// A pixel of what the window shows, read through its own DC (from the
// window's own surface, whatever lies over it on the screen).
COLORREF ScreenPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

// The label shows only white and black-to-grey text pixels, some of them dark.
void ExpectBlackOnWhite(HWND label)
{
    RECT rect;
    GetClientRect(label, &rect);
    int dark = 0, white = 0, other = 0, all = 0;
    for (int y = 0; y < rect.bottom; y += 2)
        for (int x = 0; x < rect.right; ++x, ++all) {
            COLORREF c = ScreenPixel(label, x, y);
            int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r != g || g != b)
                ++other;
            else if (r == 255)
                ++white;
            else if (r < 100)
                ++dark;
        }
    EXPECT_GT(dark, 50);
    EXPECT_EQ(0, other);
    EXPECT_GT(white, all * 3 / 4) << "the background is not white";
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(label, rect.right - 1, rect.bottom - 1));
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(label, 0, rect.bottom - 1));
}

TEST(WizardPages, WelcomePageOffersOnlyNextAndHidesTheMakerLabel)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    EXPECT_EQ(0, run.ActiveIndex());
    HWND welcome = run.ActivePage();
    EXPECT_TRUE(IsWindowVisible(welcome));
    // The resource script is UTF-8; the program sees the ANSI registered sign.
    EXPECT_EQ("Integration Wizard for Visual Studio\xAE", Text(welcome, IDC_PAGE_TITLE));
    EXPECT_FALSE(IsEnabled(run.frame, IDC_BACK));
    EXPECT_TRUE(IsVisible(run.frame, IDC_NEXT) && IsEnabled(run.frame, IDC_NEXT));
    EXPECT_FALSE(IsVisible(run.frame, IDC_FINISH));
    EXPECT_TRUE(IsEnabled(run.frame, IDCANCEL));
    EXPECT_FALSE(IsVisible(run.frame, IDC_BRAND_LABEL));
}

TEST(WizardPages, CancelYesShowsTheInterruptedTextWithOnlyFinishUsable)
{
    MessageBoxRecorder boxes;
    Deploy run;
    ASSERT_TRUE(run.frame);
    boxes.Answer(IDYES);
    Click(run.frame, IDCANCEL);

    HWND done = DonePage(run);
    EXPECT_EQ(done, run.ActivePage());
    EXPECT_TRUE(IsWindowVisible(done));
    EXPECT_EQ(kInterrupted, Text(done, IDC_PAGE_TEXT));
    EXPECT_FALSE(IsEnabled(run.frame, IDC_BACK));
    EXPECT_FALSE(IsVisible(run.frame, IDC_NEXT));
    EXPECT_TRUE(IsVisible(run.frame, IDC_FINISH) && IsEnabled(run.frame, IDC_FINISH));
    EXPECT_FALSE(IsEnabled(run.frame, IDCANCEL));

    Click(run.frame, IDC_FINISH);
    ASSERT_TRUE(run.ui->Join());
    EXPECT_EQ(IDOK, run.result);
}

TEST(WizardPages, DonePageShowsTheTextOfEachOutcome)
{
    struct Case {
        int outcome;
        const char* text;
    } cases[] = {
        {Succeeded,
         "The Velmora Software Deployment Wizard has completed all deployment tasks successfully.\n\n"
         "Please rerun the wizard if you wish to perform any additional tasks."},
        {CompletedWithErrors,
         "The Velmora Software Deployment Wizard has completed all deployment tasks.  Some errors were "
         "reported.\n\nPlease rerun the wizard if you wish to perform any more tasks."},
        {Interrupted, kInterrupted},
        {7, ""},
    };
    Deploy run;
    ASSERT_TRUE(run.frame);
    HWND done = DonePage(run);
    EXPECT_EQ("<<DONE TEXT>>", Text(done, IDC_PAGE_TEXT));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome);
        // Each activation replaces the text of the one before.
        run.ui->Invoke([&] {
            run.wizard->m_nOutcome = c.outcome;
            run.wizard->SetActivePage(run.wizard->GetPageCount() - 1);
        });
        EXPECT_EQ(c.text, Text(done, IDC_PAGE_TEXT));
    }
}

TEST(WizardPages, CancelCommandOnTheDonePageAfterARunDoesNothing)
{
    MessageBoxRecorder boxes;
    Deploy run;
    ASSERT_TRUE(run.frame);
    // A finished run: the done page with the success text, Cancel disabled.
    run.ui->Invoke([&] {
        run.wizard->m_nOutcome = Succeeded;
        run.wizard->SetActivePage(run.wizard->GetPageCount() - 1);
    });
    HWND done = DonePage(run);
    std::string success = Text(done, IDC_PAGE_TEXT);
    ASSERT_FALSE(IsEnabled(run.frame, IDCANCEL));

    boxes.Answer(IDYES);
    PostMessageA(run.frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(GetDlgItem(run.frame, IDC_FINISH), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(run.frame, WM_COMMAND, IDCANCEL, 0);
    run.ui->Flush();

    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(success, Text(done, IDC_PAGE_TEXT));
    int outcome = -1;
    run.ui->Invoke([&] { outcome = run.wizard->m_nOutcome; });
    EXPECT_EQ(Succeeded, outcome);
    EXPECT_TRUE(IsWindow(run.frame));
}

TEST(WizardPages, AboutBoxOpensFromTheSystemMenu)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    std::string item;
    UINT separatorState = 0;
    run.ui->Invoke([&] {
        HMENU menu = GetSystemMenu(run.frame, FALSE);
        char text[64] = "";
        GetMenuStringA(menu, IDM_ABOUTBOX, text, sizeof(text), MF_BYCOMMAND);
        item = text;
        separatorState = GetMenuState(menu, GetMenuItemCount(menu) - 2, MF_BYPOSITION);
    });
    EXPECT_EQ("&About Wizard...", item);
    EXPECT_TRUE(separatorState & MF_SEPARATOR);

    PostMessageA(run.frame, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = run.ui->WaitForDialog("About OrvDeploy");
    ASSERT_TRUE(about);
    EXPECT_EQ(run.frame, GetWindow(about, GW_OWNER));
    EXPECT_EQ("OK", Text(about, IDOK));
    Click(about, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindow(run.frame));
}

TEST(WizardPages, FrameCarriesTheProgramIcon)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    HICON icon = reinterpret_cast<HICON>(SendMessageA(run.frame, WM_GETICON, ICON_BIG, 0));
    EXPECT_TRUE(icon);
    EXPECT_EQ(icon, reinterpret_cast<HICON>(SendMessageA(run.frame, WM_GETICON, ICON_SMALL, 0)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(SendMessageA(run.frame, WM_QUERYDRAGICON, 0, 0)));
}

TEST(WizardPages, TitleIsBoldInThePageFontAndTheOtherTextsAreNot)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    for (HWND page : {run.ActivePage(), DonePage(run)}) {
        LOGFONTA pageFont{}, title{}, text{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof(pageFont), &pageFont);
        GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(page, IDC_PAGE_TITLE, WM_GETFONT, 0, 0)),
                   sizeof(title), &title);
        GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(page, IDC_PAGE_TEXT, WM_GETFONT, 0, 0)),
                   sizeof(text), &text);
        EXPECT_EQ(700, title.lfWeight);
        EXPECT_STREQ(pageFont.lfFaceName, title.lfFaceName);
        EXPECT_EQ(pageFont.lfHeight, title.lfHeight);
        EXPECT_NE(700, text.lfWeight);
    }
}

TEST(WizardPages, MakerLabelIsDrawnInTheShadowColour)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(run.frame, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(GetDlgItem(run.frame, IDC_BRAND_LABEL)));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), GetTextColor(dc));

    // Another static of the frame keeps the default text colour.
    HWND line = FindWindowExA(run.frame, nullptr, "Static", "");
    ASSERT_TRUE(line);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(run.frame, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(line));
    EXPECT_NE(GetSysColor(COLOR_BTNSHADOW), GetTextColor(dc));
    DeleteDC(dc);
}

TEST(WizardPages, SidePicturePageDrawsThePictureAndLabelsBlackOnWhite)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    PaintNow(run);
    HWND welcome = run.ActivePage();

    // The picture at the left, as the bitmap holds it.
    HBITMAP side = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SIDE));
    BITMAP size{};
    GetObjectA(side, sizeof(size), &size);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, side);
    for (POINT p : {POINT{10, 10}, POINT{80, 110}, POINT{150, 200}})
        EXPECT_EQ(GetPixel(memory, p.x, p.y), ScreenPixel(welcome, p.x, p.y)) << p.x << "," << p.y;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(side);
    // White to its right.
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(welcome, size.bmWidth + 4, 4));

    ExpectBlackOnWhite(GetDlgItem(welcome, IDC_PAGE_TEXT));
}

TEST(WizardPages, ReplacedDonePageTextIsStillDrawnBlackOnWhite)
{
    Deploy run;
    ASSERT_TRUE(run.frame);
    PaintNow(run);
    run.ui->Invoke([&] {
        run.wizard->m_nOutcome = Interrupted;
        run.wizard->SetActivePage(run.wizard->GetPageCount() - 1);
    });
    // The text change's own repaint, without a full redraw after it.
    HWND label = GetDlgItem(DonePage(run), IDC_PAGE_TEXT);
    run.ui->Invoke([&] { UpdateWindow(label); });
    ExpectBlackOnWhite(label);
}

TEST(WizardPages, BannerPageDrawsThePictureTopRightAboveAnEtchedLine)
{
    PageScript banner;
    banner.headerStyle = 1;
    std::vector<std::string> log;
    WizardRun<ScriptedWizard> run(std::vector<PageScript>{banner}, &log);
    ASSERT_TRUE(run.frame);
    PaintNow(run);
    HWND page = run.ActivePage();
    RECT client;
    GetClientRect(page, &client);

    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER));
    BITMAP size{};
    GetObjectA(picture, sizeof(size), &size);
    ASSERT_EQ(55, size.bmWidth);
    ASSERT_EQ(55, size.bmHeight);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, picture);
    int left = client.right - size.bmWidth;
    // Points clear of the test page's title label, which lies over the
    // picture's left part (a real banner page keeps its title to the left).
    for (POINT p : {POINT{27, 11}, POINT{39, 16}, POINT{50, 8}, POINT{5, 5}})
        EXPECT_EQ(GetPixel(memory, p.x, p.y), ScreenPixel(page, left + p.x, p.y)) << p.x << "," << p.y;
    EXPECT_NE(RGB(255, 255, 255), GetPixel(memory, 27, 11));
    EXPECT_NE(RGB(255, 255, 255), GetPixel(memory, 39, 16));
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(picture);

    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(page, 5, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), ScreenPixel(page, 5, 55));
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(page, 5, 56));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(page, 5, 57));
}

}  // namespace
