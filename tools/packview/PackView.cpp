// Shows the dialogs of a language pack as a user would see them and saves a
// picture of each, for reviewing a translation's layout: that every text
// fits its control. Page dialogs, which are child templates, are shown as
// popups of the same size.
#include <windows.h>
#include <stdio.h>
#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK Proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

BOOL CALLBACK FirstLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param)
{
    *reinterpret_cast<WORD*>(param) = language;
    return FALSE;
}

void Save(HWND window, const std::string& path)
{
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr), canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    HDC dc = GetWindowDC(window);
    BitBlt(canvas, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    DWORD imageBytes = ((width * 3 + 3) & ~3u) * height;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(file) + sizeof(info.bmiHeader) + imageBytes), 0, 0,
                          static_cast<DWORD>(sizeof(file) + sizeof(info.bmiHeader))};
    if (FILE* out = fopen(path.c_str(), "wb")) {
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        fwrite(bits, 1, imageBytes, out);
        fclose(out);
    }
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: PackView <pack.dll> <folder>\n");
        return 2;
    }
    HMODULE pack = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!pack) {
        fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    for (WORD id : {9304, 9313, 9339, 9379, 9328, 9351}) {
        WORD language = 0;
        EnumResourceLanguagesW(pack, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), FirstLanguage,
                               reinterpret_cast<LONG_PTR>(&language));
        HRSRC found = FindResourceExW(pack, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), language);
        if (!found)
            continue;
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(pack, found)));
        std::vector<BYTE> copy(data, data + SizeofResource(pack, found));
        // The style word: at the start of a plain template, after the
        // version, signature, help id and extended style of an extended one.
        bool extended = copy.size() > 4 && copy[2] == 0xFF && copy[3] == 0xFF;
        DWORD* style = reinterpret_cast<DWORD*>(&copy[extended ? 12 : 0]);
        *style = (*style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP | WS_CAPTION;
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                 reinterpret_cast<DLGTEMPLATE*>(copy.data()), nullptr, Proc, 0);
        if (!dialog)
            continue;
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300;) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(10);
        }
        Save(dialog, std::string(argv[2]) + "\\" + std::to_string(id) + ".bmp");
        DestroyWindow(dialog);
    }
    FreeLibrary(pack);
    return 0;
}
