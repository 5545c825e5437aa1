// The program's entry point. The program has no message loop of its own:
// its windows are dialogs that run their own modal loops inside InitInstance.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}
