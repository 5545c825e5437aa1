#include "vcenv/RunningVcGuard.h"
#include <string.h>
#include "res/resource.h"

static const char* const kIdeTitleFragments[] = {
    "Microsoft Developer Studio",
    "Microsoft Visual C++",
    "Microsoft Development Environment",
};

HWND FindWindowByTitlePart(LPCSTR fragment, HWND start)
{
    for (HWND window = start; window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        char title[256] = "";
        ::GetWindowTextA(window, title, sizeof(title));
        if (strstr(title, fragment))
            return window;
    }
    return nullptr;
}

CString ListRunningVcInstances()
{
    CString list;
    for (const char* fragment : kIdeTitleFragments) {
        HWND top = ::GetWindow(::GetDesktopWindow(), GW_CHILD);
        for (HWND found = FindWindowByTitlePart(fragment, top); found;
             found = FindWindowByTitlePart(fragment, ::GetWindow(found, GW_HWNDNEXT))) {
            char title[1023] = "";
            ::GetWindowTextA(found, title, sizeof(title));
            list += ' ';
            list += title;
            list += '\n';
        }
    }
    return list;
}

BOOL CheckNoRunningVc()
{
    for (CString list = ListRunningVcInstances(); !list.IsEmpty(); list = ListRunningVcInstances()) {
        CString message;
        AfxFormatString1(message, IDS_RUNNING_VC, list);
        if (AfxMessageBox(message, MB_OKCANCEL | MB_ICONEXCLAMATION | MB_SERVICE_NOTIFICATION) == IDCANCEL)
            return FALSE;
    }
    return TRUE;
}
