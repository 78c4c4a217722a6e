// Runs the whole program natively on the stand-in window system, in a scratch working directory
// that holds the test's own converter.ini.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string>
#include <unistd.h>

#include "app/win_main.h"
#include "core/app_state.h"
#include "core/field_table.h"
#include "win32/standin_control.h"

class ProgramRun : public ::testing::Test {
  protected:
    void SetUp() override {
        StandInReset();
        ResetAppState();
        char pattern[] = "/tmp/converter-program-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof(here)), nullptr);
        previousFolder_ = here;
        ASSERT_EQ(chdir(folder_.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previousFolder_.c_str()), 0);
        std::string command = "rm -rf '" + folder_ + "'";
        ASSERT_EQ(system(command.c_str()), 0);
        StandInReset();
        ResetAppState();
    }

  public:
    static void WriteSettings(const std::string &text) {
        FILE *file = fopen("converter.ini", "wb");
        ASSERT_NE(file, nullptr);
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }
    static std::string ReadSettings() {
        std::string text;
        FILE *file = fopen("converter.ini", "rb");
        if (!file) {
            return "(no file)";
        }
        char chunk[512];
        size_t n;
        while ((n = fread(chunk, 1, sizeof(chunk), file)) > 0) {
            text.append(chunk, n);
        }
        fclose(file);
        return text;
    }

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

  private:
    std::string folder_;
    std::string previousFolder_;
};
