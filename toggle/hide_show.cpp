// Hiding and showing the converter window.
#include "toggle/hide_show.h"

#include "core/app_state.h"
#include "toggle/tray_icon.h"

void HideConverter() {
    if (g_app.settings.trayMode == TrayWhileHidden) {
        AddTrayIcon();
    }
    ShowWindow(g_app.dialogWindow, SW_HIDE);
}

void ShowConverter() {
    if (g_app.settings.trayMode == TrayWhileHidden) {
        RemoveTrayIcon();
    }
    ShowWindow(g_app.dialogWindow, SW_SHOW);
}
