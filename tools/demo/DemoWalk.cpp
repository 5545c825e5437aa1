// Walks the wizard for the demo as a user would, saving a picture of each
// step: starts OrvDeploy, presses its buttons and answers its boxes, and
// saves each window as a bitmap file into the given folder.
#include <windows.h>
#include <stdio.h>
#include <string>
#include "res/resource.h"

namespace {

const char* const kTitle = "Velmora Software Deployment Wizard";
DWORD g_pid;

struct Search {
    bool (*test)(HWND);
    HWND found;
};

bool IsWizard(HWND hwnd) { return GetDlgItem(hwnd, IDC_NEXT) != nullptr; }
bool IsBox(HWND hwnd) { return !IsWizard(hwnd); }

// A visible top-level dialog of the program that passes `test`.
HWND Find(bool (*test)(HWND), const char* caption = nullptr)
{
    Search search{test, nullptr};
    static const char* wanted;
    wanted = caption;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            char name[16] = "", text[128] = "";
            GetClassNameA(hwnd, name, sizeof(name));
            GetWindowTextA(hwnd, text, sizeof(text));
            if (pid == g_pid && IsWindowVisible(hwnd) && strcmp(name, "#32770") == 0 &&
                strcmp(text, wanted ? wanted : kTitle) == 0 && s->test(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitFor(bool (*test)(HWND), const char* caption = nullptr)
{
    for (int i = 0; i < 2000; ++i) {
        if (HWND found = Find(test, caption)) {
            Sleep(300);  // let it finish painting
            return found;
        }
        Sleep(10);
    }
    fprintf(stderr, "demo: a window did not appear\n");
    ExitProcess(1);
}

bool Always(HWND) { return true; }

// Saves `windows` (the first one's area, the others drawn over it at their
// places) as a 24-bit bitmap file.
void Save(const std::string& path, std::initializer_list<HWND> windows)
{
    RECT area;
    GetWindowRect(*windows.begin(), &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    for (HWND window : windows) {
        RECT r;
        GetWindowRect(window, &r);
        HDC dc = GetWindowDC(window);
        BitBlt(canvas, r.left - area.left, r.top - area.top, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    }
    GdiFlush();
    DWORD rowBytes = (width * 3 + 3) & ~3u, imageBytes = rowBytes * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageBytes;
    info.bmiHeader.biSizeImage = imageBytes;
    FILE* out = fopen(path.c_str(), "wb");
    if (out) {
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        fwrite(bits, 1, imageBytes, out);
        fclose(out);
        printf("%s\n", path.c_str());
    }
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
}

void Press(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: DemoWalk <OrvDeploy.exe> <folder>\n");
        return 2;
    }
    std::string folder = argv[2];
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(argv[1], &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        fprintf(stderr, "demo: cannot start %s\n", argv[1]);
        return 1;
    }
    g_pid = process.dwProcessId;

    HWND wizard = WaitFor(IsWizard);
    Save(folder + "\\1-welcome.bmp", {wizard});

    PostMessageA(wizard, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitFor(Always, "About OrvDeploy");
    Save(folder + "\\2-about.bmp", {wizard, about});
    Press(about, IDOK);

    Sleep(300);
    Press(wizard, IDCANCEL);
    HWND question = WaitFor(IsBox);
    Save(folder + "\\3-cancel.bmp", {wizard, question});
    Press(question, IDYES);

    for (int i = 0; i < 500 && !IsWindowVisible(GetDlgItem(wizard, IDC_FINISH)); ++i)
        Sleep(10);
    Sleep(300);
    Save(folder + "\\4-done.bmp", {wizard});
    Press(wizard, IDC_FINISH);

    WaitForSingleObject(process.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
