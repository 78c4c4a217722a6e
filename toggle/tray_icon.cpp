// Adding and removing the notification-area icon, and what a click on it does.
#include "toggle/tray_icon.h"

#include <string.h>

#include "core/app_state.h"
#include "toggle/hide_show.h"

static const UINT kTrayIconId = 1;
static const int kProgramIconResource = 8001;
static const int kTrayIconPixels = 16;
static const char kTrayTip[] = "Vantrel Converter";

// The shell expects the structure's full size, up to and including the balloon icon, as the
// build's processor lays it out: 508 bytes on 32-bit Windows, 528 on 64-bit Windows.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(NOTIFYICONDATAA) == 508, "the full 32-bit structure");
#endif

static void ZeroIconData(NOTIFYICONDATAA *data) {
    memset(data, 0, sizeof(*data));
    data->cbSize = sizeof(*data);
    data->hWnd = g_app.dialogWindow;
    data->uID = kTrayIconId;
}

void AddTrayIcon() {
    NOTIFYICONDATAA data;
    ZeroIconData(&data);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYICON;
    data.hIcon =
        (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconResource),
                          IMAGE_ICON, kTrayIconPixels, kTrayIconPixels, LR_SHARED);
    lstrcpyA(data.szTip, kTrayTip);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void RemoveTrayIcon() {
    NOTIFYICONDATAA data;
    ZeroIconData(&data);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void OnTrayIconMessage(LPARAM lParam) {
    if (LOWORD(lParam) == WM_LBUTTONDOWN && !g_app.windowShown) {
        g_app.windowShown = true;
        ShowConverter();
    }
}
