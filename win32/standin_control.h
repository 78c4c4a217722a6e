// What native tests use to drive and observe the stand-in window system: the user's typing and
// keys, the messages the dialog's loop delivers, and what the windows, hooks and icons look like.
#pragma once

#include "win32/win32_api.h"

// One call the stand-in saw, for checking the order of calls.
struct StandInCall {
    const char *name;
    intptr_t first;
    intptr_t second;
};

enum { kStandInCallLogCapacity = 512, kStandInTextCapacity = 4096 };

// Forgets every window, hook, icon, queued message and logged call.
void StandInReset();

// DialogBoxParamA returns -1 at once without creating a window.
void StandInFailDialogCreation(bool fail);
// SetWindowsHookExA returns null.
void StandInFailHookInstall(bool fail);

// Work for the dialog's modal loop, delivered in order once the set-up has run. A posted call
// runs inside the loop, so a test can look at the running window and drive it.
void StandInPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void StandInPostCall(void (*call)());
// The loop ran out of posted work before EndDialog (a real loop would wait for the user).
bool StandInLoopRanDry();

// The dialog that DialogBoxParamA created last, or null.
HWND StandInDialog();

// Focus and typing as the user does it: the typed text goes through the box's text limit and
// the box reports each change to its dialog.
void StandInSetFocus(HWND window);
void StandInTypeChar(HWND edit, char c);
void StandInTypeText(HWND edit, const char *text);
void StandInSelectAllAndType(HWND edit, const char *text);
// The dialog manager's translation of Enter and Esc in a box: IDOK and IDCANCEL commands.
void StandInPressEnter();
void StandInPressEscape();

// One keyboard event through the hook chain. Returns true when a hook consumed it; otherwise
// the event reached the focused program (counted below).
bool StandInKeyEvent(DWORD vkCode, DWORD flags);
int StandInDeliveredKeyEvents();
int StandInInstalledHooks();

// Text limit (0: the default), visibility and outer rectangle of a window.
int StandInTextLimit(HWND edit);
bool StandInIsVisible(HWND window);
RECT StandInWindowRect(HWND window);
// Where the window system first puts a dialog (it is centred on the screen).
void StandInSetDialogSize(int width, int height);

// The notification-area icons that exist now.
int StandInTrayIconCount();
const NOTIFYICONDATAA *StandInFindTrayIcon(HWND window, UINT id);
HICON StandInProgramIcon();

const StandInCall *StandInCalls(int *count);
// Index of the first logged call named 'name' at or after 'from', or -1.
int StandInFindCall(const char *name, int from);
