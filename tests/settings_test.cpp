// The settings file: defaults from the screen, the position written on close and read at
// start, hand-written options kept, and files that cannot be written.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdint.h>
#include <sys/resource.h>

#include "app/settings.h"
#include "core/app_state.h"
#include "tests/working_dir_fixture.h"
#include "win32/win32_api.h"

namespace {

const char kIni[] = "converter.ini";

class SettingsTest : public WorkingDirTest {
  protected:
    void SetUp() override {
        WorkingDirTest::SetUp();
        ResetAppState();
        StandInSetScreenSize(1920, 1080);
    }

    void TearDown() override {
        StandInSetScreenSize(1920, 1080);
        WorkingDirTest::TearDown();
    }

    // Loads the settings over a position and tray mode that LoadSettings must replace; the
    // toggle key keeps its start value, 0x14, unless the key text scans.
    static Settings LoadOverGarbage(uint32_t hotkeyVk = 0x14) {
        g_app.settings = {7777, 7777, 7777, hotkeyVk};
        LoadSettings();
        return g_app.settings;
    }
};

struct ScreenCase {
    int line;
    int width;
    int height;
    int32_t xpos;
    int32_t ypos;
};

const ScreenCase kScreenCases[] = {
    {__LINE__, 1920, 1080, 895, 448},
    {__LINE__, 1366, 768, 618, 292},
    {__LINE__, 1365, 767, 617, 291}, // the integer half: 682 and 383
    {__LINE__, 100, 150, -15, -17},
};

TEST_F(SettingsTest, WithoutAFileThePositionComesFromTheScreen) {
    for (const ScreenCase &c : kScreenCases) {
        StandInSetScreenSize(c.width, c.height);
        Settings settings = LoadOverGarbage(0x99); // the default text "0x14" must scan
        EXPECT_EQ(settings.xpos, c.xpos) << "line " << c.line;
        EXPECT_EQ(settings.ypos, c.ypos) << "line " << c.line;
        EXPECT_EQ(settings.trayMode, 0) << "line " << c.line;
        EXPECT_EQ(settings.hotkeyVk, 0x14u) << "line " << c.line;
    }
    EXPECT_EQ(FileBytes(kIni), "<missing>") << "reading must not create the file";
}

TEST_F(SettingsTest, FirstCloseCreatesTheSectionThenXposThenYpos) {
    LoadSettings();
    SavePosition(g_app.settings.xpos, g_app.settings.ypos);
    EXPECT_EQ(Visible(FileBytes(kIni)), Visible("[main]\r\nxpos=895\r\nypos=448\r\n"));
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
}

struct PositionCase {
    int line;
    int32_t left;
    int32_t top;
    const char *file;
};

const PositionCase kPositionCases[] = {
    {__LINE__, -8, -1, "[main]\r\nxpos=4294967288\r\nypos=4294967295\r\n"},
    {__LINE__, 0, 0, "[main]\r\nxpos=0\r\nypos=0\r\n"},
    {__LINE__, -32000, -32000, "[main]\r\nxpos=4294935296\r\nypos=4294935296\r\n"},
    {__LINE__, INT32_MIN, INT32_MAX, "[main]\r\nxpos=2147483648\r\nypos=2147483647\r\n"},
    {__LINE__, 2500, 1300, "[main]\r\nxpos=2500\r\nypos=1300\r\n"},
};

TEST_F(SettingsTest, PositionIsWrittenUnsignedAndReadBackAsTheSameCoordinates) {
    for (const PositionCase &c : kPositionCases) {
        std::filesystem::remove(kIni);
        SavePosition(c.left, c.top);
        EXPECT_EQ(Visible(FileBytes(kIni)), Visible(c.file)) << "line " << c.line;
        Settings settings = LoadOverGarbage();
        EXPECT_EQ(settings.xpos, c.left) << "line " << c.line;
        EXPECT_EQ(settings.ypos, c.top) << "line " << c.line;
    }
}

TEST_F(SettingsTest, HandWrittenOptionsAndCommentsSurviveEveryClose) {
    const std::string head = "; Vantrel Converter\r\n[main]\r\ntrayMode=2\r\nkey=0x7B ; F12\r\n";
    const std::string tail = "\r\n[other]\r\nxpos=1\r\n; end\r\n";
    WriteFileBytes(kIni, head + tail);

    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.trayMode, 2);
    EXPECT_EQ(settings.hotkeyVk, 0x7Bu);
    EXPECT_EQ(settings.xpos, 895) << "the other section's xpos must not count";

    const PositionCase closes[] = {
        {__LINE__, 10, 20, "xpos=10\r\nypos=20\r\n"},
        {__LINE__, -8, 300, "xpos=4294967288\r\nypos=300\r\n"},
        {__LINE__, 7, 7, "xpos=7\r\nypos=7\r\n"},
    };
    for (const PositionCase &c : closes) {
        SavePosition(c.left, c.top);
        EXPECT_EQ(Visible(FileBytes(kIni)), Visible(head + c.file + tail)) << "line " << c.line;
        settings = LoadOverGarbage();
        EXPECT_EQ(settings.xpos, c.left) << "line " << c.line;
        EXPECT_EQ(settings.ypos, c.top) << "line " << c.line;
        EXPECT_EQ(settings.trayMode, 2) << "line " << c.line;
        EXPECT_EQ(settings.hotkeyVk, 0x7Bu) << "line " << c.line;
    }
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
}

TEST_F(SettingsTest, SectionAndKeyNamesMatchInAnyCase) {
    WriteFileBytes(kIni, "[MAIN]\r\nTRAYMODE=1\r\nXPos=5\r\nKEY=0x1B\r\n");
    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.trayMode, 1);
    EXPECT_EQ(settings.xpos, 5);
    EXPECT_EQ(settings.ypos, 448);
    EXPECT_EQ(settings.hotkeyVk, 0x1Bu);

    SavePosition(6, 7);
    EXPECT_EQ(Visible(FileBytes(kIni)),
              Visible("[MAIN]\r\nTRAYMODE=1\r\nXPos=6\r\nKEY=0x1B\r\nypos=7\r\n"));
}

TEST_F(SettingsTest, TwoWorkingDirectoriesKeepTwoFiles) {
    std::filesystem::create_directory("first");
    std::filesystem::create_directory("second");
    ASSERT_EQ(chdir("first"), 0);
    SavePosition(1, 2);
    ASSERT_EQ(chdir("../second"), 0);
    SavePosition(3, 4);

    ASSERT_EQ(chdir("../first"), 0);
    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.xpos, 1);
    EXPECT_EQ(settings.ypos, 2);
    ASSERT_EQ(chdir("../second"), 0);
    settings = LoadOverGarbage();
    EXPECT_EQ(settings.xpos, 3);
    EXPECT_EQ(settings.ypos, 4);

    EXPECT_EQ(FileBytes((dir_ / "first" / kIni).string()), "[main]\r\nxpos=1\r\nypos=2\r\n");
    EXPECT_EQ(FileBytes((dir_ / "second" / kIni).string()), "[main]\r\nxpos=3\r\nypos=4\r\n");
    EXPECT_EQ(FileBytes((dir_ / kIni).string()), "<missing>");
}

struct KeyFileCase {
    int line;
    const char *file; // nullptr: no settings file
    uint32_t hotkeyVk;
};

const KeyFileCase kKeyFileCases[] = {
    {__LINE__, nullptr, 0x14},
    {__LINE__, "[other]\r\nkey=0x1B\r\n", 0x14},
    {__LINE__, "[main]\r\nxpos=1\r\n", 0x14},
    {__LINE__, "[main]\r\nkey=0x1B\r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=0x1b\r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=0X1B\r\n", 0x14},
    {__LINE__, "[main]\r\nkey=27\r\n", 0x14},
    {__LINE__, "[main]\r\nkey=0x\r\n", 0x14},
    {__LINE__, "[main]\r\nkey=\r\n", 0x14},
    {__LINE__, "[main]\r\nkey=0x1B Escape\r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=0x1Bq\r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=0x1Babc\r\n", 0x1BABC},
    {__LINE__, "[main]\r\nkey=0x0x1B\r\n", 0x1B},
    {__LINE__, "[main]\r\n  key  =  0x1B  \r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=\"0x1B\"\r\n", 0x1B},
    // 31 characters reach the scan: the last digit of 32 is cut away.
    {__LINE__, "[main]\r\nkey=0x0000000000000000000000000001B\r\n", 0x1B},
    {__LINE__, "[main]\r\nkey=0x00000000000000000000000000001B\r\n", 0x1},
};

TEST_F(SettingsTest, ToggleKeyComesFromTheKeyText) {
    for (const KeyFileCase &c : kKeyFileCases) {
        std::filesystem::remove(kIni);
        if (c.file) {
            WriteFileBytes(kIni, c.file);
        }
        EXPECT_EQ(LoadOverGarbage().hotkeyVk, c.hotkeyVk) << "line " << c.line;
    }
}

// The failures below are real for root as well: permission bits alone would not stop root.

TEST_F(SettingsTest, ReadOnlyFileLosesThePositionAndKeepsItsBytes) {
    const std::string old = "[main]\r\nxpos=100\r\nypos=200\r\ntrayMode=1\r\n";
    WriteFileBytes(kIni, old);
    ASSERT_EQ(chmod(kIni, 0444), 0);
    SavePosition(1, 2);
    EXPECT_EQ(Visible(FileBytes(kIni)), Visible(old));
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.xpos, 100);
    EXPECT_EQ(settings.ypos, 200);
}

TEST_F(SettingsTest, RemovedWorkingDirectoryLosesThePositionSilently) {
    ASSERT_TRUE(std::filesystem::create_directory("gone"));
    ASSERT_EQ(chdir("gone"), 0);
    ASSERT_EQ(rmdir((dir_ / "gone").c_str()), 0);
    SavePosition(1, 2);
    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.xpos, 895);
    EXPECT_EQ(settings.ypos, 448);
    EXPECT_TRUE(DirectoryNames(dir_).empty());
}

TEST_F(SettingsTest, DirectoryInPlaceOfTheFileIsLeftAlone) {
    ASSERT_TRUE(std::filesystem::create_directory(kIni));
    WriteFileBytes(std::string(kIni) + "/inside", "kept");
    SavePosition(1, 2);
    EXPECT_TRUE(std::filesystem::is_directory(kIni));
    EXPECT_EQ(FileBytes(std::string(kIni) + "/inside"), "kept");
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
    Settings settings = LoadOverGarbage();
    EXPECT_EQ(settings.xpos, 895);
    EXPECT_EQ(settings.ypos, 448);
}

TEST_F(SettingsTest, FullDiskKeepsTheOldFileWhole) {
    const std::string old = "[main]\r\nxpos=100\r\nypos=200\r\nkey=0x7B\r\n";
    WriteFileBytes(kIni, old);
    // A file size limit below the file's size fails the write as a full disk would.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    void (*savedHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SavePosition(1, 2);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(Visible(FileBytes(kIni)), Visible(old));
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
}

TEST_F(SettingsTest, FolderWithoutWriteAccessKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder; the removed folder covers this case";
    }
    const std::string old = "[main]\r\nxpos=100\r\nypos=200\r\n";
    WriteFileBytes(kIni, old);
    ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
    SavePosition(1, 2);
    chmod(dir_.c_str(), 0755);
    EXPECT_EQ(Visible(FileBytes(kIni)), Visible(old));
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{kIni});
}

} // namespace
