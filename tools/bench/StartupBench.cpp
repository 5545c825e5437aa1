// Measures the time from starting OrvDeploy to its welcome page being shown,
// over several runs, and prints each run and the median in milliseconds.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <string>
#include <vector>
#include "res/resource.h"

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

// The wizard of process `pid` once its welcome page is visible.
HWND ShownWizard(DWORD pid)
{
    Search search{pid, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->pid || !IsWindowVisible(hwnd) || !GetDlgItem(hwnd, IDC_NEXT))
                return TRUE;
            for (HWND page = FindWindowExA(hwnd, nullptr, "#32770", nullptr); page;
                 page = FindWindowExA(hwnd, page, "#32770", nullptr))
                if (IsWindowVisible(page) && GetDlgItem(page, IDC_PAGE_TITLE)) {
                    s->found = hwnd;
                    return FALSE;
                }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: StartupBench <OrvDeploy.exe> [runs]\n");
        return 2;
    }
    int runs = argc > 2 ? atoi(argv[2]) : 9;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        std::string command = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        LARGE_INTEGER start, now;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(argv[1], &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            fprintf(stderr, "cannot start %s\n", argv[1]);
            return 1;
        }
        HWND wizard = nullptr;
        for (int polls = 0; polls < 30000 && !(wizard = ShownWizard(process.dwProcessId)); ++polls)
            Sleep(1);
        QueryPerformanceCounter(&now);
        if (!wizard) {
            fprintf(stderr, "run %d: no welcome page\n", i + 1);
            TerminateProcess(process.hProcess, 1);
            return 1;
        }
        double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        times.push_back(ms);
        printf("run %d: %.0f ms\n", i + 1, ms);
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::sort(times.begin(), times.end());
    printf("median of %d runs: %.0f ms\n", runs, times[times.size() / 2]);
    return 0;
}
