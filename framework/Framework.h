// The program's class layer over Win32.
#pragma once
#include "Controls.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "Gdi.h"
#include "MessageBox.h"
#include "String.h"
#include "WinApp.h"
#include "Wnd.h"
