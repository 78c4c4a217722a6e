// ConverterDialogProc acts on four messages, each arm one call; everything else is left to the
// dialog manager.
#include "ui/converter_dialog.h"

#include "app/settings.h"
#include "core/app_state.h"
#include "core/field_table.h"
#include "core/refresh_cycle.h"
#include "toggle/tray_icon.h"

// WM_COMMAND ids 4001 to 4026: the thirteen field boxes, their labels and the credit line.
static const int kFirstControlId = 4001;
static const int kControlIdCount = 26;

static void IgnoreControl(FieldId) {}

static void (*const kControlHandlers[kControlIdCount])(FieldId) = {
    OnFieldChanged, // 4001 uint8
    OnFieldChanged, // 4002 uint16
    OnFieldChanged, // 4003 uint32
    OnFieldChanged, // 4004 int8
    OnFieldChanged, // 4005 int16
    OnFieldChanged, // 4006 int32
    IgnoreControl,  // 4007 label
    IgnoreControl,  // 4008 label
    IgnoreControl,  // 4009 label
    IgnoreControl,  // 4010 label
    IgnoreControl,  // 4011 label
    IgnoreControl,  // 4012 label
    OnFieldChanged, // 4013 HEX
    IgnoreControl,  // 4014 label
    OnFieldChanged, // 4015 float
    OnFieldChanged, // 4016 uint64
    IgnoreControl,  // 4017 label
    IgnoreControl,  // 4018 label
    OnFieldChanged, // 4019 double
    IgnoreControl,  // 4020 label
    OnFieldChanged, // 4021 Win32 time
    IgnoreControl,  // 4022 label
    OnFieldChanged, // 4023 C time
    IgnoreControl,  // 4024 label
    IgnoreControl,  // 4025 credit line
    OnFieldChanged, // 4026 int64
};

// wParam of the set-up's second notification: EN_CHANGE from the uint8 box.
static const WPARAM kUint8ChangedWParam = 0x03000FA1;

static void OnDialogInit(HWND dialog) {
    g_app.dialogWindow = dialog;
    for (int i = 0; i < kFieldCount; ++i) {
        g_app.fieldEdit[i] = GetDlgItem(dialog, (int)kFieldTable[i].id);
    }
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldTable[i].textLimit > 0) {
            SendMessageA(g_app.fieldEdit[i], EM_LIMITTEXT, (WPARAM)kFieldTable[i].textLimit, 0);
        }
    }
    g_app.activeField = kFieldUint8;
    SetWindowTextA(g_app.fieldEdit[FieldIndex(kFieldUint8)], "0");
    SendMessageA(dialog, WM_COMMAND, kUint8ChangedWParam, 0);

    RECT rect;
    GetWindowRect(dialog, &rect);
    MoveWindow(dialog, g_app.settings.xpos, g_app.settings.ypos, rect.right - rect.left,
               rect.bottom - rect.top, TRUE);
    if (g_app.settings.trayMode == TrayAlways) {
        AddTrayIcon();
    }
}

// lParam, the sender, is never read: the set-up's own notification comes with lParam 0.
static void OnDialogCommand(WPARAM wParam) {
    if (HIWORD(wParam) != EN_CHANGE) {
        return;
    }
    int index = (int)LOWORD(wParam) - kFirstControlId;
    if (index < 0 || index >= kControlIdCount) {
        return;
    }
    kControlHandlers[index]((FieldId)LOWORD(wParam));
}

static void OnDialogClose(HWND dialog) {
    RECT rect;
    GetWindowRect(dialog, &rect);
    SavePosition(rect.left, rect.top);
    UnhookWindowsHookEx(g_app.keyboardHook);
    RemoveTrayIcon();
    EndDialog(dialog, 0);
}

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnDialogInit(dialog);
        return TRUE;
    case WM_COMMAND:
        OnDialogCommand(wParam);
        return TRUE;
    case WM_CLOSE:
        OnDialogClose(dialog);
        return TRUE;
    case WM_TRAYICON:
        OnTrayIconMessage(lParam);
        return TRUE;
    default:
        return FALSE;
    }
}
