// The one AppState record and its values at program start.
#include "core/app_state.h"

static const uint32_t kDefaultHotkeyVk = 0x14; // Caps Lock

static const AppState kStartState = {
    {0, 0, 0, kDefaultHotkeyVk}, true, nullptr, kNoField, false, nullptr, {}};

AppState g_app = kStartState;

void ResetAppState() {
    g_app = kStartState;
}
