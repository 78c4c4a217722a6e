// The stand-in window system for native builds: a dialog made from the converter's template,
// edit boxes that hold text and report changes synchronously, a focus, window rectangles and
// visibility, a keyboard hook chain, and a recorded set of notification-area icons.
#include <string.h>

#include "win32/standin_control.h"
#include "win32/win32_api.h"

enum WindowKind { kKindFree = 0, kKindDialog, kKindEdit, kKindStatic };

struct HWND__ {
    WindowKind kind;
    int id;
    HWND__ *parent;
    DLGPROC procedure;
    bool visible;
    RECT rect;
    int textLimit; // 0: the default limit
    char text[kStandInTextCapacity];
};

struct HHOOK__ {
    HOOKPROC procedure;
    bool installed;
};

struct HINSTANCE__ {
    int unused;
};
struct HICON__ {
    int unused;
};

namespace {

// The converter's dialog template: item ids in template order; true for an edit box.
struct TemplateItem {
    int id;
    bool isEdit;
};
const TemplateItem kTemplateItems[] = {
    {4001, true},  {4002, true},  {4003, true},  {4004, true},  {4005, true},  {4006, true},
    {4007, false}, {4008, false}, {4009, false}, {4010, false}, {4011, false}, {4012, false},
    {4013, true},  {4014, false}, {4015, true},  {4017, false}, {4019, true},  {4020, false},
    {4021, true},  {4022, false}, {4023, true},  {4024, false}, {4025, false}, {4016, true},
    {4018, false}, {4026, true},  {4027, false},
};
const int kTemplateItemCount = (int)(sizeof(kTemplateItems) / sizeof(kTemplateItems[0]));
const int kConverterTemplateId = 1001;
const int kProgramIconId = 8001;
const int kDefaultEditLimit = 30000;
const int kDefaultDialogWidth = 200;
const int kDefaultDialogHeight = 380;
const int kCentreX = 960; // the middle of a 1920 by 1080 screen
const int kCentreY = 540;

enum { kMaxWindows = 64, kMaxHooks = 8, kMaxIcons = 8, kMaxQueued = 256 };

struct QueuedWork {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    void (*call)();
};

struct StandIn {
    HWND__ windows[kMaxWindows];
    HWND focus;
    HWND lastDialog;
    bool dialogEnded;
    INT_PTR dialogResult;
    bool failDialog;
    bool failHook;
    bool loopRanDry;
    int dialogWidth;
    int dialogHeight;
    HHOOK__ hooks[kMaxHooks]; // hooks[0] is called first
    int hookCount;
    int nextHook; // where CallNextHookEx goes on: one past the hook that is running
    int deliveredKeyEvents;
    NOTIFYICONDATAA icons[kMaxIcons];
    bool iconUsed[kMaxIcons];
    QueuedWork queue[kMaxQueued];
    int queueHead;
    int queueTail;
    StandInCall calls[kStandInCallLogCapacity];
    int callCount;
};

StandIn g_standIn;
HINSTANCE__ g_module;
HICON__ g_programIcon;

void LogCall(const char *name, intptr_t first, intptr_t second) {
    if (g_standIn.callCount < kStandInCallLogCapacity) {
        StandInCall &call = g_standIn.calls[g_standIn.callCount++];
        call.name = name;
        call.first = first;
        call.second = second;
    }
}

bool IsLiveWindow(HWND window) {
    return window && window >= g_standIn.windows && window < g_standIn.windows + kMaxWindows &&
           window->kind != kKindFree;
}

HWND NewWindow(WindowKind kind, int id, HWND parent) {
    for (HWND__ &window : g_standIn.windows) {
        if (window.kind == kKindFree) {
            memset(&window, 0, sizeof(window));
            window.kind = kind;
            window.id = id;
            window.parent = parent;
            return &window;
        }
    }
    return nullptr;
}

void DestroyDialog(HWND dialog) {
    for (HWND__ &window : g_standIn.windows) {
        if (window.parent == dialog) {
            window.kind = kKindFree;
        }
    }
    if (g_standIn.focus && g_standIn.focus->parent == dialog) {
        g_standIn.focus = nullptr;
    }
    dialog->kind = kKindFree;
}

void CopyText(char *destination, const char *source, size_t capacity) {
    size_t length = strnlen(source, capacity - 1);
    memcpy(destination, source, length);
    destination[length] = '\0';
}

// An edit box tells its dialog about a change: EN_UPDATE, then EN_CHANGE, both synchronous.
void ReportEditChange(HWND edit) {
    HWND dialog = edit->parent;
    if (!IsLiveWindow(dialog) || !dialog->procedure) {
        return;
    }
    dialog->procedure(dialog, WM_COMMAND, MAKEWPARAM(edit->id, EN_UPDATE), (LPARAM)edit);
    dialog->procedure(dialog, WM_COMMAND, MAKEWPARAM(edit->id, EN_CHANGE), (LPARAM)edit);
}

int EffectiveLimit(HWND edit) {
    int limit = edit->textLimit > 0 ? edit->textLimit : kDefaultEditLimit;
    return limit < kStandInTextCapacity - 1 ? limit : kStandInTextCapacity - 1;
}

bool PopWork(QueuedWork *work) {
    if (g_standIn.queueHead == g_standIn.queueTail) {
        return false;
    }
    *work = g_standIn.queue[g_standIn.queueHead];
    g_standIn.queueHead = (g_standIn.queueHead + 1) % kMaxQueued;
    return true;
}

LRESULT RunHooksFrom(int index, int code, WPARAM wParam, LPARAM lParam) {
    for (int i = index; i < g_standIn.hookCount; ++i) {
        if (!g_standIn.hooks[i].installed) {
            continue;
        }
        int outer = g_standIn.nextHook;
        g_standIn.nextHook = i + 1;
        LRESULT result = g_standIn.hooks[i].procedure(code, wParam, lParam);
        g_standIn.nextHook = outer;
        return result;
    }
    ++g_standIn.deliveredKeyEvents; // the end of the chain: the event reaches its target
    return 0;
}

} // namespace

// --- The Win32 functions -------------------------------------------------------------------

HWND GetDlgItem(HWND dialog, int id) {
    for (HWND__ &window : g_standIn.windows) {
        if (window.kind != kKindFree && window.parent == dialog && window.id == id) {
            return &window;
        }
    }
    return nullptr;
}

int GetWindowTextA(HWND window, LPSTR text, int capacity) {
    if (!IsLiveWindow(window) || !text || capacity <= 0) {
        return 0;
    }
    CopyText(text, window->text, (size_t)capacity);
    return (int)strlen(text);
}

// Text set by a program ignores the text limit, as an edit box does.
BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!IsLiveWindow(window)) {
        return FALSE;
    }
    CopyText(window->text, text ? text : "", sizeof(window->text));
    if (window->kind == kKindEdit) {
        ReportEditChange(window);
    }
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLiveWindow(window)) {
        return 0;
    }
    if (window->kind == kKindEdit && message == EM_LIMITTEXT) {
        LogCall("EM_LIMITTEXT", window->id, (intptr_t)wParam);
        window->textLimit = (int)wParam;
        return 0;
    }
    if (window->kind == kKindDialog && window->procedure) {
        return window->procedure(window, message, wParam, lParam);
    }
    return 0;
}

HWND GetFocus() {
    return g_standIn.focus;
}

BOOL GetWindowRect(HWND window, RECT *rect) {
    if (!IsLiveWindow(window) || !rect) {
        return FALSE;
    }
    LogCall("GetWindowRect", 0, 0);
    *rect = window->rect;
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    if (!IsLiveWindow(window)) {
        return FALSE;
    }
    LogCall("MoveWindow", x, y);
    (void)repaint;
    window->rect.left = x;
    window->rect.top = y;
    window->rect.right = (LONG)((int64_t)x + width);
    window->rect.bottom = (LONG)((int64_t)y + height);
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    if (!IsLiveWindow(window)) {
        return FALSE;
    }
    LogCall("ShowWindow", command, 0);
    bool wasVisible = window->visible;
    window->visible = (command != SW_HIDE);
    return wasVisible ? TRUE : FALSE;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    if (!IsLiveWindow(dialog) || dialog->kind != kKindDialog) {
        return FALSE;
    }
    LogCall("EndDialog", result, 0);
    g_standIn.dialogEnded = true;
    g_standIn.dialogResult = result;
    return TRUE;
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                        LPARAM initParam) {
    LogCall("DialogBoxParamA", (intptr_t)templateName, (intptr_t)owner);
    (void)instance;
    if (g_standIn.failDialog || templateName != MAKEINTRESOURCEA(kConverterTemplateId) ||
        !procedure) {
        return -1;
    }
    HWND dialog = NewWindow(kKindDialog, 0, owner);
    if (!dialog) {
        return -1;
    }
    dialog->procedure = procedure;
    for (int i = 0; i < kTemplateItemCount; ++i) {
        NewWindow(kTemplateItems[i].isEdit ? kKindEdit : kKindStatic, kTemplateItems[i].id, dialog);
    }
    // Centred, as the template asks; the program then moves it where it wants it.
    int width = g_standIn.dialogWidth > 0 ? g_standIn.dialogWidth : kDefaultDialogWidth;
    int height = g_standIn.dialogHeight > 0 ? g_standIn.dialogHeight : kDefaultDialogHeight;
    dialog->rect = {kCentreX - width / 2, kCentreY - height / 2, kCentreX - width / 2 + width,
                    kCentreY - height / 2 + height};
    g_standIn.lastDialog = dialog;
    g_standIn.dialogEnded = false;
    g_standIn.loopRanDry = false;

    HWND firstTabStop = GetDlgItem(dialog, kTemplateItems[0].id);
    if (procedure(dialog, WM_INITDIALOG, (WPARAM)firstTabStop, initParam)) {
        g_standIn.focus = firstTabStop;
    }
    if (!g_standIn.dialogEnded) {
        dialog->visible = true;
    }
    QueuedWork work;
    while (!g_standIn.dialogEnded) {
        if (!PopWork(&work)) {
            g_standIn.loopRanDry = true;
            g_standIn.dialogResult = -1;
            break;
        }
        if (work.call) {
            work.call();
        } else if (IsLiveWindow(work.window)) {
            SendMessageA(work.window, work.message, work.wParam, work.lParam);
        }
    }
    DestroyDialog(dialog);
    return g_standIn.dialogResult;
}

HHOOK SetWindowsHookExA(int idHook, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
    LogCall("SetWindowsHookExA", idHook, (intptr_t)threadId);
    (void)module;
    if (g_standIn.failHook || idHook != WH_KEYBOARD_LL || !procedure ||
        g_standIn.hookCount == kMaxHooks) {
        return nullptr;
    }
    // A hook installed later is called first.
    memmove(&g_standIn.hooks[1], &g_standIn.hooks[0], sizeof(HHOOK__) * g_standIn.hookCount);
    ++g_standIn.hookCount;
    g_standIn.hooks[0].procedure = procedure;
    g_standIn.hooks[0].installed = true;
    return &g_standIn.hooks[0];
}

// Hands the event to the hook after the one that is running, whatever handle it is given.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    (void)hook;
    return RunHooksFrom(g_standIn.nextHook, code, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    LogCall("UnhookWindowsHookEx", (intptr_t)hook, 0);
    for (int i = 0; i < g_standIn.hookCount; ++i) {
        if (&g_standIn.hooks[i] == hook && hook->installed) {
            hook->installed = false;
            return TRUE;
        }
    }
    return FALSE;
}

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    return moduleName ? nullptr : &g_module;
}

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT load) {
    LogCall("LoadImageA", width, height);
    bool programIcon = instance == &g_module && name == MAKEINTRESOURCEA(kProgramIconId) &&
                       type == IMAGE_ICON && (load & LR_SHARED);
    return programIcon ? (HANDLE)&g_programIcon : nullptr;
}

LPSTR lstrcpyA(LPSTR destination, LPCSTR source) {
    return strcpy(destination, source);
}

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA *data) {
    LogCall("Shell_NotifyIconA", (intptr_t)message, data ? (intptr_t)data->uID : 0);
    if (!data) {
        return FALSE;
    }
    int found = -1, freeSlot = -1;
    for (int i = 0; i < kMaxIcons; ++i) {
        if (!g_standIn.iconUsed[i]) {
            freeSlot = freeSlot < 0 ? i : freeSlot;
        } else if (g_standIn.icons[i].hWnd == data->hWnd && g_standIn.icons[i].uID == data->uID) {
            found = i;
        }
    }
    if (message == NIM_ADD && found < 0 && freeSlot >= 0) {
        g_standIn.icons[freeSlot] = *data;
        g_standIn.iconUsed[freeSlot] = true;
        return TRUE;
    }
    if (message == NIM_DELETE && found >= 0) {
        g_standIn.iconUsed[found] = false;
        return TRUE;
    }
    return FALSE;
}

void InitCommonControls() {
    LogCall("InitCommonControls", 0, 0);
}

// --- Driving and observing, for tests --------------------------------------------------------

void StandInReset() {
    memset(&g_standIn, 0, sizeof(g_standIn));
}

void StandInFailDialogCreation(bool fail) {
    g_standIn.failDialog = fail;
}
void StandInFailHookInstall(bool fail) {
    g_standIn.failHook = fail;
}

static void QueueWork(const QueuedWork &work) {
    int next = (g_standIn.queueTail + 1) % kMaxQueued;
    if (next != g_standIn.queueHead) {
        g_standIn.queue[g_standIn.queueTail] = work;
        g_standIn.queueTail = next;
    }
}

void StandInPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    QueueWork({window, message, wParam, lParam, nullptr});
}

void StandInPostCall(void (*call)()) {
    QueueWork({nullptr, 0, 0, 0, call});
}

bool StandInLoopRanDry() {
    return g_standIn.loopRanDry;
}

HWND StandInDialog() {
    return g_standIn.lastDialog;
}

void StandInSetFocus(HWND window) {
    g_standIn.focus = IsLiveWindow(window) ? window : nullptr;
}

void StandInTypeChar(HWND edit, char c) {
    if (!IsLiveWindow(edit) || edit->kind != kKindEdit) {
        return;
    }
    size_t length = strlen(edit->text);
    if ((int)length >= EffectiveLimit(edit)) {
        return; // the box refuses the character
    }
    edit->text[length] = c;
    edit->text[length + 1] = '\0';
    ReportEditChange(edit);
}

void StandInTypeText(HWND edit, const char *text) {
    for (const char *p = text; *p; ++p) {
        StandInTypeChar(edit, *p);
    }
}

void StandInSelectAllAndType(HWND edit, const char *text) {
    if (!IsLiveWindow(edit) || edit->kind != kKindEdit) {
        return;
    }
    if (edit->text[0] != '\0') {
        edit->text[0] = '\0';
        ReportEditChange(edit);
    }
    StandInTypeText(edit, text);
}

static void PressDialogKey(WORD command) {
    HWND dialog = g_standIn.lastDialog;
    if (IsLiveWindow(dialog) && dialog->procedure) {
        dialog->procedure(dialog, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

void StandInPressEnter() {
    PressDialogKey(IDOK);
}
void StandInPressEscape() {
    PressDialogKey(IDCANCEL);
}

bool StandInKeyEvent(DWORD vkCode, DWORD flags) {
    KBDLLHOOKSTRUCT event = {vkCode, 0, flags, 0, 0};
    WPARAM message = (flags & LLKHF_UP) ? WM_KEYUP : WM_KEYDOWN;
    int delivered = g_standIn.deliveredKeyEvents;
    RunHooksFrom(0, HC_ACTION, message, (LPARAM)&event);
    return g_standIn.deliveredKeyEvents == delivered;
}

int StandInDeliveredKeyEvents() {
    return g_standIn.deliveredKeyEvents;
}

int StandInInstalledHooks() {
    int count = 0;
    for (int i = 0; i < g_standIn.hookCount; ++i) {
        count += g_standIn.hooks[i].installed ? 1 : 0;
    }
    return count;
}

int StandInTextLimit(HWND edit) {
    return IsLiveWindow(edit) ? edit->textLimit : 0;
}
bool StandInIsVisible(HWND window) {
    return IsLiveWindow(window) && window->visible;
}

RECT StandInWindowRect(HWND window) {
    RECT empty = {0, 0, 0, 0};
    return IsLiveWindow(window) ? window->rect : empty;
}

void StandInSetDialogSize(int width, int height) {
    g_standIn.dialogWidth = width;
    g_standIn.dialogHeight = height;
}

int StandInTrayIconCount() {
    int count = 0;
    for (bool used : g_standIn.iconUsed) {
        count += used ? 1 : 0;
    }
    return count;
}

const NOTIFYICONDATAA *StandInFindTrayIcon(HWND window, UINT id) {
    for (int i = 0; i < kMaxIcons; ++i) {
        if (g_standIn.iconUsed[i] && g_standIn.icons[i].hWnd == window &&
            g_standIn.icons[i].uID == id) {
            return &g_standIn.icons[i];
        }
    }
    return nullptr;
}

HICON StandInProgramIcon() {
    return &g_programIcon;
}

const StandInCall *StandInCalls(int *count) {
    *count = g_standIn.callCount;
    return g_standIn.calls;
}

int StandInFindCall(const char *name, int from) {
    for (int i = from < 0 ? 0 : from; i < g_standIn.callCount; ++i) {
        if (strcmp(g_standIn.calls[i].name, name) == 0) {
            return i;
        }
    }
    return -1;
}
