// The startup guard against running Visual C++ IDE instances, recognised by
// the titles of top-level windows.
#pragma once
#include "framework/Framework.h"

// TRUE when no IDE window is left (at once, or after the user closed them
// and chose to retry); FALSE when the user chose Cancel.
BOOL CheckNoRunningVc();

// One line per matching window: a blank, its title, a line feed.
CString ListRunningVcInstances();

// The first top-level window from `start` on in Z order whose title holds
// `fragment` (case-sensitive), or NULL.
HWND FindWindowByTitlePart(LPCSTR fragment, HWND start);
