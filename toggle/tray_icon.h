// The notification-area icon that stands for the converter window, and its callback message.
#pragma once

#include "win32/win32_api.h"

// The meanings of the "trayMode" setting; any other value acts as TrayNever.
enum TrayMode { TrayNever = 0, TrayWhileHidden = 1, TrayAlways = 2 };

// The icon's callback message.
enum : UINT { WM_TRAYICON = WM_USER + 200 };

void AddTrayIcon();
void RemoveTrayIcon();

// A mouse message from the icon: a left-button press brings a hidden window back.
void OnTrayIconMessage(LPARAM lParam);
