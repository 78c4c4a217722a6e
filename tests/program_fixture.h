// Runs the whole program natively on the stand-in window system, in a scratch working directory
// that holds the test's own converter.ini.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/win_main.h"
#include "core/app_state.h"
#include "core/field_table.h"
#include "tests/working_dir_fixture.h"
#include "win32/standin_control.h"

class ProgramRun : public WorkingDirTest {
  protected:
    void SetUp() override {
        WorkingDirTest::SetUp();
        StandInReset();
        ResetAppState();
    }
    void TearDown() override {
        StandInReset();
        ResetAppState();
        WorkingDirTest::TearDown();
    }

  public:
    static void WriteSettings(const std::string &text) { WriteFileBytes("converter.ini", text); }
    static std::string ReadSettings() { return FileBytes("converter.ini"); }
    // Runs WinMain with the posted work; a WM_CLOSE is queued last unless told otherwise.
    static int RunProgram(bool closeAtEnd = true) {
        if (closeAtEnd) {
            StandInPostCall(CloseDialog);
        }
        int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, (LPSTR) "ignored words", 10);
        EXPECT_FALSE(StandInLoopRanDry()) << "the dialog never ended";
        return exitCode;
    }
    static void CloseDialog() { StandInPostMessage(StandInDialog(), WM_CLOSE, 0, 0); }

    static HWND Box(FieldId id) { return GetDlgItem(StandInDialog(), (int)id); }
    static std::string BoxText(FieldId id) {
        char text[kStandInTextCapacity];
        GetWindowTextA(Box(id), text, sizeof(text));
        return text;
    }
};
