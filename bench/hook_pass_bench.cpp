// The keyboard hook's cost for an event it passes on, measured twice on the stand-in window
// system: called alone against a bare CallNextHookEx (no hook is installed, so the next hook is
// the end of the chain at once), and as the installed hook of a key event against a hook that
// does nothing but call the next one.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"
#include "core/app_state.h"
#include "toggle/keyboard_hook.h"
#include "win32/standin_control.h"
#include "win32/win32_api.h"

namespace {

// Events that are no release of the toggle key (Caps Lock, 0x14): the A key down and up, Shift
// down, and a press of the toggle key itself.
const KBDLLHOOKSTRUCT kPassedEvents[4] = {
    {0x41, 0x1E, 0, 0, 0},
    {0x41, 0x1E, LLKHF_UP, 0, 0},
    {0xA0, 0x2A, 0, 0, 0},
    {0x14, 0x3A, 0, 0, 0},
};
const WPARAM kEventMessages[4] = {WM_KEYDOWN, WM_KEYUP, WM_KEYDOWN, WM_KEYDOWN};

LRESULT CALLBACK BareHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(g_app.keyboardHook, nCode, wParam, lParam);
}

void StartWithHook(HOOKPROC procedure) {
    StandInReset();
    ResetAppState();
    if (procedure) {
        g_app.keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, procedure, nullptr, 0);
    }
}

void BM_HookPassThrough(benchmark::State &state) {
    StartWithHook(nullptr);
    unsigned i = 0;
    for (auto _ : state) {
        unsigned e = i++ & 3;
        LRESULT result = KeyboardHookProc(HC_ACTION, kEventMessages[e], (LPARAM)&kPassedEvents[e]);
        benchmark::DoNotOptimize(result);
    }
}

void BM_NextHookDirect(benchmark::State &state) {
    StartWithHook(nullptr);
    unsigned i = 0;
    for (auto _ : state) {
        unsigned e = i++ & 3;
        LRESULT result = CallNextHookEx(g_app.keyboardHook, HC_ACTION, kEventMessages[e],
                                        (LPARAM)&kPassedEvents[e]);
        benchmark::DoNotOptimize(result);
    }
}

void DeliverEvents(benchmark::State &state) {
    unsigned i = 0;
    for (auto _ : state) {
        const KBDLLHOOKSTRUCT &event = kPassedEvents[i++ & 3];
        bool consumed = StandInKeyEvent(event.vkCode, event.flags);
        benchmark::DoNotOptimize(consumed);
    }
}

void BM_EventThroughHook(benchmark::State &state) {
    StartWithHook(KeyboardHookProc);
    DeliverEvents(state);
}

void BM_EventThroughBareHook(benchmark::State &state) {
    StartWithHook(BareHookProc);
    DeliverEvents(state);
}

BENCHMARK(BM_HookPassThrough);
BENCHMARK(BM_NextHookDirect);
BENCHMARK(BM_EventThroughHook);
BENCHMARK(BM_EventThroughBareHook);

} // namespace

int main(int argc, char **argv) {
    const ratio_bench::RatioLine lines[] = {
        {"BM_HookPassThrough", "BM_NextHookDirect", "hook pass-through / bare next hook", 1.2},
        {"BM_EventThroughHook", "BM_EventThroughBareHook",
         "key event through the hook / through a bare hook", 1.2},
    };
    return ratio_bench::RunAndPrintRatios(argc, argv, lines, 2);
}
