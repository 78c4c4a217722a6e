// The one header through which the program reaches the window system by its Win32 names.
// A Windows build takes the platform's own headers; a native build gets the declarations of
// the small stand-in in this folder, which behaves as the program expects of each function.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#else

#include <stdint.h>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef intptr_t INT_PTR;
typedef char CHAR;
typedef const char *LPCSTR;
typedef char *LPSTR;

struct HWND__;
typedef HWND__ *HWND;
struct HHOOK__;
typedef HHOOK__ *HHOOK;

#define WINAPI
#define CALLBACK

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

#endif
