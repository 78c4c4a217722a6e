// The system-wide low-level keyboard hook that toggles the window on the toggle key's release.
#pragma once

#include "win32/win32_api.h"

LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam);
