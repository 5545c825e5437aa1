// Wrappers of the standard controls the program binds to members.
#pragma once
#include "Wnd.h"

class CButton : public CWnd {};

class CStatic : public CWnd {};
