// The whole program on the stand-in window system: set-up, typing, the command dispatch, the
// close sequence and the program's exit code.
#include "tests/program_fixture.h"

#include <string.h>

#include "toggle/tray_icon.h"
#include "ui/converter_dialog.h"

namespace {

const char *const kZeroTexts[] = {"0", "0", "0", "0", "0", "0", "0", "0", "0000000000000000"};

void ExpectEveryBoxShowsZero() {
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec &row = kFieldTable[i];
        char zeroText[kMaxDisplayCapacity];
        RawValue zero = ZeroRawValue();
        FormatField(&row, &zero, zeroText);
        EXPECT_EQ(ProgramRun::BoxText(row.id), row.id == kFieldUint8 ? "0" : zeroText) << row.label;
        if (i < (int)(sizeof(kZeroTexts) / sizeof(kZeroTexts[0]))) {
            EXPECT_STREQ(zeroText, kZeroTexts[i]) << row.label;
        }
    }
}

TEST_F(ProgramRun, SetUpFillsEveryBoxFromZeroAndPlacesTheWindow) {
    WriteSettings("[main]\r\nxpos=100\r\nypos=-20\r\n");
    StandInSetDialogSize(260, 420);
    StandInPostCall([] {
        HWND dialog = StandInDialog();
        EXPECT_EQ(g_app.dialogWindow, dialog);
        ExpectEveryBoxShowsZero();
        EXPECT_EQ(g_app.activeField, kFieldUint8);
        EXPECT_EQ(GetFocus(), Box(kFieldUint8));
        EXPECT_TRUE(StandInIsVisible(dialog));
        RECT rect = StandInWindowRect(dialog);
        EXPECT_EQ(rect.left, 100);
        EXPECT_EQ(rect.top, -20);
        EXPECT_EQ(rect.right - rect.left, 260);
        EXPECT_EQ(rect.bottom - rect.top, 420);
        EXPECT_EQ(StandInTrayIconCount(), 0);
        for (int i = 0; i < kFieldCount; ++i) {
            EXPECT_EQ(g_app.fieldEdit[i], Box(kFieldTable[i].id)) << kFieldTable[i].label;
        }
    });
    EXPECT_EQ(RunProgram(), 0);
}

TEST_F(ProgramRun, SevenBoxesGetTheLongestTextAsLimit) {
    StandInPostCall([] {
        const struct {
            FieldId field;
            int limit;
        } limits[] = {{kFieldUint8, 3}, {kFieldUint16, 5}, {kFieldUint32, 10},
                      {kFieldInt8, 4},  {kFieldInt16, 6},  {kFieldInt32, 11},
                      {kFieldHex, 16},  {kFieldUint64, 0}, {kFieldInt64, 0}};
        for (const auto &l : limits) {
            EXPECT_EQ(StandInTextLimit(Box(l.field)), l.limit) << l.field;
        }
    });
    RunProgram();
}

TEST_F(ProgramRun, TypingIntoABoxRewritesTheOthers) {
    StandInPostCall([] {
        StandInSetFocus(Box(kFieldInt8));
        StandInSelectAllAndType(Box(kFieldInt8), "-1");
        EXPECT_EQ(g_app.activeField, kFieldInt8);
        EXPECT_EQ(BoxText(kFieldInt8), "-1");
        EXPECT_EQ(BoxText(kFieldUint8), "255");
        EXPECT_EQ(BoxText(kFieldUint16), "255");
        EXPECT_EQ(BoxText(kFieldHex), "FF00000000000000");

        StandInSetFocus(Box(kFieldUint32));
        StandInSelectAllAndType(Box(kFieldUint32), "007");
        EXPECT_EQ(BoxText(kFieldUint32), "007");
        EXPECT_EQ(BoxText(kFieldUint8), "7");
        EXPECT_EQ(BoxText(kFieldInt8), "7");
    });
    RunProgram();
}

TEST_F(ProgramRun, Uint8RefusesAFourthCharacterAndInt32TakesEleven) {
    StandInPostCall([] {
        StandInSetFocus(Box(kFieldUint8));
        StandInSelectAllAndType(Box(kFieldUint8), "1234");
        EXPECT_EQ(BoxText(kFieldUint8), "123");
        EXPECT_EQ(BoxText(kFieldUint16), "123");
        StandInSetFocus(Box(kFieldInt32));
        StandInSelectAllAndType(Box(kFieldInt32), "-2147483648");
        EXPECT_EQ(BoxText(kFieldInt32), "-2147483648");
        EXPECT_EQ(BoxText(kFieldUint32), "2147483648");
    });
    RunProgram();
}

// Notifications other than a field's EN_CHANGE, and Enter and Esc, are acted on and change
// nothing.
TEST_F(ProgramRun, OtherCommandsReturnTrueAndChangeNothing) {
    StandInPostCall([] {
        StandInSetFocus(Box(kFieldInt16));
        StandInSelectAllAndType(Box(kFieldInt16), "-2");
        std::string before[kFieldCountMax];
        for (int i = 0; i < kFieldCount; ++i) {
            before[i] = BoxText(kFieldTable[i].id);
        }
        HWND dialog = StandInDialog();
        const WPARAM commands[] = {
            MAKEWPARAM(kFieldUint8, EN_UPDATE),
            MAKEWPARAM(kFieldUint8, EN_SETFOCUS),
            MAKEWPARAM(kFieldUint8, EN_KILLFOCUS),
            MAKEWPARAM(kFieldUint8, EN_MAXTEXT),
            MAKEWPARAM(4007, EN_CHANGE),
            MAKEWPARAM(4025, EN_CHANGE),
            MAKEWPARAM(4027, EN_CHANGE),
            MAKEWPARAM(4000, EN_CHANGE),
            MAKEWPARAM(IDOK, 0),
            MAKEWPARAM(IDCANCEL, 0),
        };
        for (WPARAM command : commands) {
            EXPECT_EQ(ConverterDialogProc(dialog, WM_COMMAND, command, 0), TRUE) << command;
        }
        StandInPressEnter();
        StandInPressEscape();
        for (int i = 0; i < kFieldCount; ++i) {
            EXPECT_EQ(BoxText(kFieldTable[i].id), before[i]) << kFieldTable[i].label;
        }
        EXPECT_EQ(g_app.activeField, kFieldInt16);
        EXPECT_TRUE(StandInIsVisible(dialog));
        EXPECT_EQ(ConverterDialogProc(dialog, WM_KEYDOWN, 0, 0), FALSE);
        EXPECT_EQ(ConverterDialogProc(dialog, WM_USER, 0, 0), FALSE);
    });
    EXPECT_EQ(RunProgram(), 0);
    int endDialog = StandInFindCall("EndDialog", 0);
    ASSERT_GE(endDialog, 0);
    EXPECT_EQ(StandInFindCall("EndDialog", endDialog + 1), -1) << "ended once, by WM_CLOSE";
}

// The set-up's own notification comes with lParam 0 and is handled like the box's.
TEST_F(ProgramRun, ChangeNotificationWithoutSenderIsHandled) {
    StandInPostCall([] {
        SetWindowTextA(Box(kFieldHex), "FFFF");
        EXPECT_EQ(BoxText(kFieldUint16), "65535");
        SendMessageA(StandInDialog(), WM_COMMAND, MAKEWPARAM(kFieldUint8, EN_CHANGE), 0);
        EXPECT_EQ(BoxText(kFieldHex), "0000000000000000");
    });
    RunProgram();
}

TEST_F(ProgramRun, CloseSavesPositionThenUnhooksThenRemovesIconThenEnds) {
    WriteSettings("[main]\r\ntrayMode=2\r\nkey=0x7B\r\n");
    StandInPostCall([] {
        EXPECT_EQ(StandInTrayIconCount(), 1);
        MoveWindow(StandInDialog(), -8, -1, 200, 380, TRUE);
    });
    EXPECT_EQ(RunProgram(), 0);
    int close = StandInFindCall("GetWindowRect", StandInFindCall("MoveWindow", 0) + 1);
    int unhook = StandInFindCall("UnhookWindowsHookEx", close);
    int remove = StandInFindCall("Shell_NotifyIconA", unhook);
    int end = StandInFindCall("EndDialog", remove);
    ASSERT_GE(close, 0);
    ASSERT_GT(unhook, close);
    ASSERT_GT(remove, unhook);
    ASSERT_GT(end, remove);
    int count = 0;
    const StandInCall *calls = StandInCalls(&count);
    EXPECT_EQ(calls[remove].first, (intptr_t)NIM_DELETE);
    EXPECT_EQ(calls[end].first, 0);
    EXPECT_EQ(StandInTrayIconCount(), 0);
    EXPECT_EQ(StandInInstalledHooks(), 0);
    EXPECT_EQ(ReadSettings(),
              "[main]\r\ntrayMode=2\r\nkey=0x7B\r\nxpos=4294967288\r\nypos=4294967295\r\n");
}

TEST_F(ProgramRun, ClosingAHiddenWindowSavesItsPosition) {
    StandInPostCall([] {
        MoveWindow(StandInDialog(), 30, 40, 200, 380, TRUE);
        StandInKeyEvent(0x14, 0);
        StandInKeyEvent(0x14, LLKHF_UP);
        EXPECT_FALSE(StandInIsVisible(StandInDialog()));
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(ReadSettings(), "[main]\r\nxpos=30\r\nypos=40\r\n");
}

TEST_F(ProgramRun, StartOrderIsControlsSettingsHookDialog) {
    EXPECT_EQ(RunProgram(), 0);
    int controls = StandInFindCall("InitCommonControls", 0);
    int hook = StandInFindCall("SetWindowsHookExA", controls);
    int dialog = StandInFindCall("DialogBoxParamA", hook);
    ASSERT_EQ(controls, 0);
    ASSERT_GT(hook, controls);
    ASSERT_GT(dialog, hook);
    int count = 0;
    const StandInCall *calls = StandInCalls(&count);
    EXPECT_EQ(calls[hook].first, WH_KEYBOARD_LL);
    EXPECT_EQ(calls[hook].second, 0) << "every thread of the desktop";
    EXPECT_EQ(calls[dialog].first, (intptr_t)MAKEINTRESOURCEA(kConverterDialogTemplate));
    EXPECT_EQ(calls[dialog].second, 0) << "no owner window";
}

TEST_F(ProgramRun, ExitCodeIsZeroWhenTheDialogCannotBeCreated) {
    StandInFailDialogCreation(true);
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, (LPSTR) "", 10), 0);
    EXPECT_EQ(ReadSettings(), "<missing>");
    EXPECT_EQ(StandInInstalledHooks(), 1) << "the hook is left to the system";
}

TEST_F(ProgramRun, WithoutTheHookEverythingElseWorks) {
    StandInFailHookInstall(true);
    StandInPostCall([] {
        EXPECT_FALSE(StandInKeyEvent(0x14, LLKHF_UP));
        EXPECT_TRUE(StandInIsVisible(StandInDialog()));
        StandInSetFocus(Box(kFieldUint16));
        StandInSelectAllAndType(Box(kFieldUint16), "258");
        EXPECT_EQ(BoxText(kFieldHex), "0201000000000000");
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(ReadSettings().substr(0, 8), "[main]\r\n");
}

} // namespace
