// The one header through which the program reaches the window system by its Win32 names.
// A Windows build takes the platform's own headers; a native build gets the declarations of
// the small stand-in in this folder, which behaves as the program expects of each function.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#else

#include "win32/standin_types.h"
#include "win32/standin_time.h"
#include "win32/standin_profile.h"
#include "win32/standin_window.h"

#endif
