// The stand-in's basic Win32 types and calling-convention macros (native builds only).
#pragma once

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
