// The UI driver on a small dialog of its own: typing, ticking, and refusing
// to press what a user could not reach.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>
#include <atomic>
#include <vector>
#include "support/UiDriver.h"

namespace {

enum { kEdit = 10, kCheck = 11, kDisabled = 12, kHidden = 13 };

std::atomic<int> g_clicks{0};

// An in-memory template: an edit, a check box, a disabled and a hidden button.
std::vector<WORD> Template()
{
    std::vector<WORD> t;
    auto dword = [&](DWORD v) { t.push_back(LOWORD(v)), t.push_back(HIWORD(v)); };
    auto text = [&](const wchar_t* s) {
        for (; *s; ++s)
            t.push_back(*s);
        t.push_back(0);
    };
    auto item = [&](DWORD style, WORD id, WORD atom, const wchar_t* caption, short y) {
        if (t.size() % 2)
            t.push_back(0);  // DWORD alignment
        dword(style | WS_CHILD);
        dword(0);
        t.insert(t.end(), {10, static_cast<WORD>(y), 100, 12, id, 0xFFFF, atom});
        text(caption);
        t.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT);
    dword(0);
    t.insert(t.end(), {4, 0, 0, 130, 90, 0, 0});
    text(L"Driver");
    t.push_back(8);
    text(L"MS Sans Serif");
    item(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kEdit, 0x81, L"", 5);
    item(WS_VISIBLE | BS_AUTOCHECKBOX, kCheck, 0x80, L"Box", 20);
    item(WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, kDisabled, 0x80, L"Off", 35);
    item(BS_PUSHBUTTON, kHidden, 0x80, L"Hidden", 50);
    return t;
}

INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kDisabled)
        ++g_clicks;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, IDCANCEL);
    return msg == WM_INITDIALOG;
}

TEST(UiDriver, TypesTicksAndRefusesWhatAUserCannotReach)
{
    std::vector<WORD> bytes = Template();
    UiThread ui([&] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(bytes.data()), nullptr,
                                Proc, 0);
    });
    HWND dialog = ui.WaitForDialog("Driver");
    ASSERT_TRUE(dialog);

    Type(dialog, kEdit, "first");
    EXPECT_EQ("first", Text(dialog, kEdit));
    Type(dialog, kEdit, "C:\\Tools");
    EXPECT_EQ("C:\\Tools", Text(dialog, kEdit));

    Tick(dialog, kCheck, true);
    EXPECT_TRUE(IsChecked(dialog, kCheck));
    Tick(dialog, kCheck, true);
    EXPECT_TRUE(IsChecked(dialog, kCheck));
    Tick(dialog, kCheck, false);
    EXPECT_FALSE(IsChecked(dialog, kCheck));

    EXPECT_FALSE(IsEnabled(dialog, kDisabled));
    EXPECT_FALSE(IsVisible(dialog, kHidden));
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        Click(dialog, kDisabled);
        Click(dialog, kHidden);
    }
    EXPECT_EQ(2, failures.size());
    ui.Flush();
    EXPECT_EQ(0, g_clicks.load());

    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(ui.Join());
}

}  // namespace
