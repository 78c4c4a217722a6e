// The toggle key and the tray icon on the stand-in window system: what passes the hook, what
// toggles, and where the icon is in each tray mode.
#include "tests/program_fixture.h"

#include <string.h>

#include "toggle/keyboard_hook.h"
#include "toggle/tray_icon.h"

namespace {

const DWORD kCapsLock = 0x14;
const DWORD kKeyA = 0x41;

void PressAndRelease(DWORD vk) {
    StandInKeyEvent(vk, 0);
    StandInKeyEvent(vk, LLKHF_UP);
}

bool Shown() {
    return StandInIsVisible(StandInDialog());
}

void ClickIcon(UINT mouseMessage) {
    SendMessageA(StandInDialog(), WM_TRAYICON, 1, (LPARAM)mouseMessage);
}

TEST_F(ProgramRun, OnlyTheReleaseOfTheToggleKeyIsConsumed) {
    StandInPostCall([] {
        struct {
            int line;
            DWORD vk;
            DWORD flags;
            bool consumed;
            bool shownAfter;
        } events[] = {
            {__LINE__, kCapsLock, 0, false, true},                 // press
            {__LINE__, kCapsLock, 0, false, true},                 // auto-repeat
            {__LINE__, kCapsLock, LLKHF_UP, true, false},          // release: hide
            {__LINE__, kKeyA, LLKHF_UP, false, false},             // another key
            {__LINE__, kCapsLock | 0x100, LLKHF_UP, false, false}, // the whole 32 bits count
            {__LINE__, kCapsLock, LLKHF_UP | LLKHF_INJECTED | LLKHF_ALTDOWN, true, true},
            {__LINE__, kCapsLock, LLKHF_UP | LLKHF_EXTENDED, true, false},
        };
        for (const auto &e : events) {
            int delivered = StandInDeliveredKeyEvents();
            EXPECT_EQ(StandInKeyEvent(e.vk, e.flags), e.consumed) << "line " << e.line;
            EXPECT_EQ(StandInDeliveredKeyEvents() - delivered, e.consumed ? 0 : 1)
                << "line " << e.line;
            EXPECT_EQ(Shown(), e.shownAfter) << "line " << e.line;
            EXPECT_EQ(g_app.windowShown, e.shownAfter) << "line " << e.line;
        }
    });
    EXPECT_EQ(RunProgram(), 0);
}

TEST_F(ProgramRun, ConfiguredKeyTogglesAndCapsLockPasses) {
    WriteSettings("[main]\nkey=0x41\n");
    StandInPostCall([] {
        EXPECT_EQ(g_app.settings.hotkeyVk, kKeyA);
        int delivered = StandInDeliveredKeyEvents();
        PressAndRelease(kCapsLock);
        EXPECT_TRUE(Shown());
        PressAndRelease(kKeyA); // the press still types a letter
        EXPECT_FALSE(Shown());
        EXPECT_EQ(StandInDeliveredKeyEvents() - delivered, 3);
        PressAndRelease(kKeyA);
        EXPECT_TRUE(Shown());
    });
    RunProgram();
}

TEST(KeyboardHook, NonActionCodesPassWithoutLookingAtTheEvent) {
    StandInReset();
    ResetAppState();
    g_app.keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, nullptr, 0);
    EXPECT_EQ(KeyboardHookProc(3, WM_KEYUP, 0), 0); // a null event is never read
    KBDLLHOOKSTRUCT release = {kCapsLock, 0, LLKHF_UP, 0, 0};
    EXPECT_EQ(KeyboardHookProc(1, WM_KEYUP, (LPARAM)&release), 0);
    EXPECT_TRUE(g_app.windowShown);
    StandInReset();
    ResetAppState();
}

// Another copy of the program with the same key: the hook installed last is called first and
// consumes the release; the earlier one never sees it.
int g_otherCopyReleases;
LRESULT CALLBACK OtherCopyHook(int code, WPARAM wParam, LPARAM lParam) {
    const KBDLLHOOKSTRUCT *event = (const KBDLLHOOKSTRUCT *)lParam;
    if (code == HC_ACTION && event->vkCode == kCapsLock && (event->flags & LLKHF_UP)) {
        ++g_otherCopyReleases;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ProgramRun, CopyStartedLastToggles) {
    g_otherCopyReleases = 0;
    SetWindowsHookExA(WH_KEYBOARD_LL, OtherCopyHook, nullptr, 0); // started first
    StandInPostCall([] {
        PressAndRelease(kCapsLock);
        EXPECT_FALSE(Shown());
        EXPECT_EQ(g_otherCopyReleases, 0);
        // Now a copy started after this one.
        SetWindowsHookExA(WH_KEYBOARD_LL, OtherCopyHook, nullptr, 0);
        PressAndRelease(kCapsLock);
        EXPECT_FALSE(Shown());
        EXPECT_EQ(g_otherCopyReleases, 1);
    });
    RunProgram();
}

TEST_F(ProgramRun, IconDataDescribesTheProgram) {
    WriteSettings("[main]\ntrayMode=2\n");
    StandInPostCall([] {
        const NOTIFYICONDATAA *icon = StandInFindTrayIcon(StandInDialog(), 1);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->cbSize, sizeof(NOTIFYICONDATAA));
        EXPECT_EQ(icon->uFlags, 7u);
        EXPECT_EQ(icon->uCallbackMessage, 1224u);
        EXPECT_EQ(icon->hIcon, StandInProgramIcon());
        EXPECT_STREQ(icon->szTip, "Vantrel Converter");
        EXPECT_EQ(icon->dwState, 0u);
        EXPECT_EQ(icon->szInfo[0], '\0');
        int load = StandInFindCall("LoadImageA", 0);
        ASSERT_GE(load, 0);
        int count = 0;
        EXPECT_EQ(StandInCalls(&count)[load].first, 16);
    });
    RunProgram();
}

// Where the icon is after each event, for each tray mode.
struct ModeCase {
    int line;
    const char *mode;
    int afterSetUp;
    int afterHideByKey;
    int afterShowByKey;
    int afterHideAgain;
    int afterClickWhileHidden;
};

const ModeCase kModeCases[] = {
    {__LINE__, "0", 0, 0, 0, 0, 0}, {__LINE__, "1", 0, 1, 0, 1, 0},  {__LINE__, "2", 1, 1, 1, 1, 1},
    {__LINE__, "3", 0, 0, 0, 0, 0}, {__LINE__, "-1", 0, 0, 0, 0, 0},
};

int g_icons[5];
bool g_shownAfterClick;

TEST_F(ProgramRun, TrayModesPutTheIconWhereTheyShould) {
    for (const ModeCase &c : kModeCases) {
        StandInReset();
        ResetAppState();
        WriteSettings(std::string("[main]\ntrayMode=") + c.mode + "\n");
        StandInPostCall([] {
            g_icons[0] = StandInTrayIconCount();
            PressAndRelease(kCapsLock);
            g_icons[1] = StandInTrayIconCount();
            PressAndRelease(kCapsLock);
            g_icons[2] = StandInTrayIconCount();
            // A click while shown, and other mouse messages, do nothing.
            ClickIcon(WM_LBUTTONDOWN);
            EXPECT_TRUE(Shown());
            PressAndRelease(kCapsLock);
            g_icons[3] = StandInTrayIconCount();
            ClickIcon(WM_RBUTTONDOWN);
            ClickIcon(WM_LBUTTONDBLCLK);
            ClickIcon(WM_MOUSEMOVE);
            EXPECT_FALSE(Shown());
            // A left-button press on the icon brings the hidden window back.
            ClickIcon(WM_LBUTTONDOWN);
            g_icons[4] = StandInTrayIconCount();
            g_shownAfterClick = Shown();
        });
        EXPECT_EQ(RunProgram(), 0);
        EXPECT_EQ(g_icons[0], c.afterSetUp) << "line " << c.line;
        EXPECT_EQ(g_icons[1], c.afterHideByKey) << "line " << c.line;
        EXPECT_EQ(g_icons[2], c.afterShowByKey) << "line " << c.line;
        EXPECT_EQ(g_icons[3], c.afterHideAgain) << "line " << c.line;
        EXPECT_EQ(g_icons[4], c.afterClickWhileHidden) << "line " << c.line;
        EXPECT_TRUE(g_shownAfterClick) << "line " << c.line;
        EXPECT_EQ(StandInTrayIconCount(), 0) << "line " << c.line << ": removed on close";
    }
}

} // namespace
