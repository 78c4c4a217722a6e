// Every keyboard event of the desktop waits for this procedure, so everything but the release
// of the toggle key passes on after three comparisons.
#include "toggle/keyboard_hook.h"

#include "core/app_state.h"
#include "toggle/hide_show.h"

static void ToggleConverter() {
    if (g_app.windowShown) {
        g_app.windowShown = false;
        HideConverter();
    } else {
        g_app.windowShown = true;
        ShowConverter();
    }
}

LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION) {
        const KBDLLHOOKSTRUCT *event = (const KBDLLHOOKSTRUCT *)lParam;
        if (event->vkCode == g_app.settings.hotkeyVk && (event->flags & LLKHF_UP)) {
            ToggleConverter();
            return 1; // the release is consumed
        }
    }
    return CallNextHookEx(g_app.keyboardHook, nCode, wParam, lParam);
}
