// The program-wide state record: one instance, static storage, owned by the UI thread.
#pragma once

#include <stdint.h>

#include "core/field_id.h"
#include "win32/win32_api.h"

struct Settings {
    int32_t xpos;
    int32_t ypos;
    int32_t trayMode;
    uint32_t hotkeyVk;
};

struct AppState {
    Settings settings;
    bool windowShown;
    HHOOK keyboardHook;
    FieldId activeField;
    bool refreshInProgress;
    HWND dialogWindow;
    HWND fieldEdit[kFieldCountMax];
};

extern AppState g_app;

// Puts every member back to its value at program start (for drivers and tests).
void ResetAppState();
