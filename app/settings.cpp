// Reads the settings file once at start and writes the window's position back on close.
#include "app/settings.h"

#include "app/key_scan.h"
#include "core/app_state.h"
#include "core/bounded_format.h"
#include "win32/win32_api.h"

// With a directory part the profile functions use the current working directory; a bare file
// name would send them to the Windows directory.
static const char kSettingsPath[] = "./converter.ini";
static const char kSettingsSection[] = "main";
static const char kDefaultKeyText[] = "0x14"; // Caps Lock

enum { kSettingsTextCapacity = 32 };

void LoadSettings() {
    Settings *settings = &g_app.settings;
    settings->xpos = (GetSystemMetrics(SM_CXSCREEN) >> 1) - 65;
    settings->ypos = (GetSystemMetrics(SM_CYSCREEN) >> 1) - 92;
    // The reader gives a 32-bit pattern: 4294967288 written for -8 reads back as -8.
    settings->xpos =
        (int32_t)GetPrivateProfileIntA(kSettingsSection, "xpos", settings->xpos, kSettingsPath);
    settings->ypos =
        (int32_t)GetPrivateProfileIntA(kSettingsSection, "ypos", settings->ypos, kSettingsPath);
    settings->trayMode =
        (int32_t)GetPrivateProfileIntA(kSettingsSection, "trayMode", 0, kSettingsPath);

    char keyText[kSettingsTextCapacity] = {};
    GetPrivateProfileStringA(kSettingsSection, "key", kDefaultKeyText, keyText,
                             kSettingsTextCapacity, kSettingsPath);
    keyText[kSettingsTextCapacity - 1] = '\0'; // the scan stays inside the buffer whatever came
    ScanKeyCode(keyText, &settings->hotkeyVk);
}

static void WritePositionKey(const char *key, int32_t coordinate) {
    char text[kSettingsTextCapacity];
    if (FormatBounded(text, sizeof(text), "%u", (unsigned)(uint32_t)coordinate) == 0) {
        return;
    }
    WritePrivateProfileStringA(kSettingsSection, key, text, kSettingsPath);
}

void SavePosition(int32_t left, int32_t top) {
    WritePositionKey("xpos", left);
    WritePositionKey("ypos", top);
}
