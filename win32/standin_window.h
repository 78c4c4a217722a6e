// The stand-in's windows, dialogs, keyboard hook and notification-area icon (native builds only).
#pragma once

#include <stddef.h>

#include "win32/standin_types.h"

struct HINSTANCE__;
typedef HINSTANCE__ *HINSTANCE;
typedef HINSTANCE HMODULE;
struct HICON__;
typedef HICON__ *HICON;
typedef void *HANDLE;
typedef uintptr_t ULONG_PTR;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct KBDLLHOOKSTRUCT {
    DWORD vkCode;
    DWORD scanCode;
    DWORD flags;
    DWORD time;
    ULONG_PTR dwExtraInfo;
};

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    unsigned char Data4[8];
};

struct NOTIFYICONDATAA {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    CHAR szInfo[256];
    UINT uTimeout;
    CHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    HICON hBalloonIcon;
};

typedef INT_PTR(CALLBACK *DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT(CALLBACK *HOOKPROC)(int, WPARAM, LPARAM);

#define LOWORD(l) ((WORD)((uintptr_t)(l)&0xffff))
#define HIWORD(l) ((WORD)(((uintptr_t)(l) >> 16) & 0xffff))
#define MAKEWPARAM(low, high) ((WPARAM)(((DWORD)(WORD)(low)) | (((DWORD)(WORD)(high)) << 16)))
#define MAKEINTRESOURCEA(i) ((LPSTR)(uintptr_t)(WORD)(i))

enum : UINT {
    WM_CLOSE = 0x0010,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_USER = 0x0400,
    EM_LIMITTEXT = 0x00C5,
};

enum : WORD {
    IDOK = 1,
    IDCANCEL = 2,
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    EN_UPDATE = 0x0400,
    EN_MAXTEXT = 0x0501,
};

enum : int {
    SW_HIDE = 0,
    SW_SHOW = 5,
    SW_SHOWDEFAULT = 10,
    WH_KEYBOARD_LL = 13,
    HC_ACTION = 0,
};

enum : DWORD {
    LLKHF_EXTENDED = 0x01,
    LLKHF_INJECTED = 0x10,
    LLKHF_ALTDOWN = 0x20,
    LLKHF_UP = 0x80,
    NIM_ADD = 0,
    NIM_DELETE = 2,
    NIF_MESSAGE = 1,
    NIF_ICON = 2,
    NIF_TIP = 4,
};

enum : UINT {
    IMAGE_ICON = 1,
    LR_SHARED = 0x8000,
};

HWND GetDlgItem(HWND dialog, int id);
int GetWindowTextA(HWND window, LPSTR text, int capacity);
BOOL SetWindowTextA(HWND window, LPCSTR text);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND GetFocus();
BOOL GetWindowRect(HWND window, RECT *rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND window, int command);
BOOL EndDialog(HWND dialog, INT_PTR result);
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                        LPARAM initParam);
HHOOK SetWindowsHookExA(int idHook, HOOKPROC procedure, HINSTANCE module, DWORD threadId);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
BOOL UnhookWindowsHookEx(HHOOK hook);
HMODULE GetModuleHandleA(LPCSTR moduleName);
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT load);
LPSTR lstrcpyA(LPSTR destination, LPCSTR source);
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA *data);
void InitCommonControls();
