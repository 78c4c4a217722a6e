// The program's entry: settings, keyboard hook, then the converter window as a modal dialog.
#include "win32/win32_api.h"

#include "app/settings.h"
#include "core/app_state.h"
#include "toggle/keyboard_hook.h"
#include "ui/converter_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    LoadSettings();
    g_app.keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, instance, 0);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kConverterDialogTemplate), nullptr,
                    ConverterDialogProc, 0);
    return 0;
}
