// The converter window's dialog procedure: where window messages meet the conversion core.
#pragma once

#include "win32/win32_api.h"

enum { kConverterDialogTemplate = 1001 };

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
