// The keyboard hook's cost for an event it passes on: KeyboardHookProc against a bare call of
// CallNextHookEx, both through the stand-in window system. No hook is installed there, so the
// next hook is the end of the chain at once and the difference is the hook's own work.
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

void StartWithoutHooks() {
    StandInReset();
    ResetAppState();
}

void BM_HookPassThrough(benchmark::State &state) {
    StartWithoutHooks();
    unsigned i = 0;
    for (auto _ : state) {
        unsigned e = i++ & 3;
        LRESULT result = KeyboardHookProc(HC_ACTION, kEventMessages[e], (LPARAM)&kPassedEvents[e]);
        benchmark::DoNotOptimize(result);
    }
}

void BM_NextHookDirect(benchmark::State &state) {
    StartWithoutHooks();
    unsigned i = 0;
    for (auto _ : state) {
        unsigned e = i++ & 3;
        LRESULT result = CallNextHookEx(g_app.keyboardHook, HC_ACTION, kEventMessages[e],
                                        (LPARAM)&kPassedEvents[e]);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK(BM_HookPassThrough);
BENCHMARK(BM_NextHookDirect);

} // namespace

int main(int argc, char **argv) {
    const ratio_bench::RatioLine line = {"BM_HookPassThrough", "BM_NextHookDirect",
                                         "hook pass-through / bare next hook", 1.2};
    return ratio_bench::RunAndPrintRatios(argc, argv, &line, 1);
}
