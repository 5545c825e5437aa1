// Every message box of the program goes through AfxShowMessageBox, so a test
// can see what would be shown (text, caption, flags) and answer it.
#pragma once
#include <windows.h>
#include <functional>
#include "String.h"

using MessageBoxHook = std::function<int(HWND owner, LPCSTR text, LPCSTR caption, UINT type)>;

// Replaces the real box with `hook` until it is reset with an empty hook.
void AfxSetMessageBoxHook(MessageBoxHook hook);

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// A box under the application title (string-table entry 57344), owned by the
// main window's active popup when there is one.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);

// `out` = string-table entry `id` with each "%1" replaced by `arg`.
void AfxFormatString1(CString& out, UINT id, LPCSTR arg);
