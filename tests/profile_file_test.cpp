// The stand-in's profile files: what the readers find, what the writer changes and keeps,
// and files it must refuse to rewrite.
#include <gtest/gtest.h>

#include <string.h>
#include <sys/stat.h>

#include "tests/working_dir_fixture.h"
#include "win32/win32_api.h"

using namespace std::string_literals;

namespace {

const char kPath[] = "./test.ini";

class ProfileTest : public WorkingDirTest {};

std::string ReadString(const char *section, const char *key, const char *path = kPath) {
    char buffer[64] = {};
    GetPrivateProfileStringA(section, key, "<default>", buffer, sizeof(buffer), path);
    return buffer;
}

struct IntCase {
    int line;
    std::string value; // the text after "k=" in section s
    UINT result;
};

const IntCase kIntCases[] = {
    {__LINE__, "895", 895},
    {__LINE__, "4294967288", 4294967288u},
    {__LINE__, "4294967295", 4294967295u},
    {__LINE__, "4294967296", 0},
    {__LINE__, "4294967297", 1},
    {__LINE__, "99999999999999999999", 1661992959u},
    {__LINE__, "-8", 4294967288u},
    {__LINE__, "+5", 5},
    {__LINE__, "12abc", 12},
    {__LINE__, "abc", 0},
    {__LINE__, "-", 0},
    {__LINE__, "- 5", 0},
    {__LINE__, "0x10", 16},
    {__LINE__, "-0x10", 4294967280u},
    {__LINE__, "0xFFFFFFFFF", 4294967295u},
    {__LINE__, "0x1G", 1},
    {__LINE__, "0X1f", 0},
    {__LINE__, "0o17", 15},
    {__LINE__, "0b102", 2},
    {__LINE__, "010", 10},
    {__LINE__, "0x", 0},
    {__LINE__, "  42  ", 42},
    {__LINE__, "\"42\"", 42},
    {__LINE__, "'42'", 42},
    {__LINE__,
     "7\0"s
     "8",
     7},
    {__LINE__, "", 77}, // an empty value reads as a missing one
    {__LINE__, "\"\"", 77},
};

TEST_F(ProfileTest, IntegerReadsLikeStrtolWrappingModulo2To32) {
    for (const IntCase &c : kIntCases) {
        WriteFileBytes(kPath, "[s]\r\nk="s + c.value + "\r\n");
        EXPECT_EQ(GetPrivateProfileIntA("s", "k", 77, kPath), c.result)
            << "line " << c.line << ": '" << Visible(c.value) << "'";
    }
}

TEST_F(ProfileTest, IntegerGivesTheDefaultForMissingFileSectionOrKey) {
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", -3, kPath), (UINT)-3);
    WriteFileBytes(kPath, "[t]\r\nk=5\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", -3, kPath), (UINT)-3);
    WriteFileBytes(kPath, "[s]\r\nj=5\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", -3, kPath), (UINT)-3);
    EXPECT_EQ(GetPrivateProfileIntA("s", "j", -3, kPath), 5u);
}

struct StringCase {
    int line;
    std::string file; // empty: no file
    const char *section;
    const char *key;
    const char *result;
};

const StringCase kStringCases[] = {
    {__LINE__, "", "s", "k", "<default>"},
    {__LINE__, "[s]\r\nk=v\r\n", "s", "k", "v"},
    {__LINE__, "[s]\r\nk=v\r\n", "t", "k", "<default>"},
    {__LINE__, "[s]\r\nk=v\r\n", "s", "j", "<default>"},
    {__LINE__, "[S]\r\nK=v\r\n", "s", "k", "v"},
    {__LINE__, "[main]\r\ntrayMode=2\r\n", "MAIN", "TRAYMODE", "2"},
    {__LINE__, "  [ s ]  \r\n \t k \t = \t v w \t \r\n", "s", "k", "v w"},
    {__LINE__, "[s]\r\nk=\"v\"\r\n", "s", "k", "v"},
    {__LINE__, "[s]\r\nk=' v '\r\n", "s", "k", " v "},
    {__LINE__, "[s]\r\nk=\"v\" x\r\n", "s", "k", "\"v\" x"},
    {__LINE__, "[s]\r\nk=\"v'\r\n", "s", "k", "\"v'"},
    {__LINE__, "[s]\r\nk=\"\r\n", "s", "k", "\""},
    {__LINE__, "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {__LINE__, "[s]\r\nk=\r\n", "s", "k", ""},
    {__LINE__, "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
    {__LINE__, "[s]\r\nk=1\r\n[t]\r\n[s]\r\nk=2\r\n", "s", "k", "1"},
    // Only the first section of a name counts, for the reader as for the writer.
    {__LINE__, "[s]\r\nj=1\r\n[s]\r\nk=2\r\n", "s", "k", "<default>"},
    {__LINE__, "k=1\r\n[s]\r\n", "s", "k", "<default>"},
    {__LINE__, "[s]\r\n;k=1\r\n", "s", "k", "<default>"},
    {__LINE__, "[s]\r\nk\r\n", "s", "k", "<default>"},
    {__LINE__, "[s]\r\n=1\r\n", "s", "", "<default>"},
    {__LINE__, "[s]\r\nk=v", "s", "k", "v"},
    {__LINE__, "[s]\nk=v\n", "s", "k", "v"},
    {__LINE__, "[s]\rk=v\r", "s", "k", "v"},
    {__LINE__, "[s]\r\nj=1\rk=2\r\n", "s", "k", "2"},
    {__LINE__, "[s]\r\nk=v\r\r\n", "s", "k", "v"},
    {__LINE__, "[s] ; note\r\nk=v\r\n", "s", "k", "v"},
    {__LINE__, "[s\r\nk=v\r\n", "s", "k", "<default>"}, // no ']': no section line
    {__LINE__, "[t]\r\n[s\r\nk=v\r\n", "t", "k", "v"},
    {__LINE__, "[t]\r\n[s=x\r\n", "t", "[s", "x"},
    {__LINE__, "[s]\r\nbin=\0\x01\xFF\r\nk=v\r\n"s, "s", "k", "v"},
    {__LINE__, "[s]\r\nk=a\0b\r\n"s, "s", "k", "a"},
};

TEST_F(ProfileTest, StringFindsTheFirstMatchingKeyTrimmedAndUnquoted) {
    for (const StringCase &c : kStringCases) {
        std::filesystem::remove(kPath);
        if (!c.file.empty()) {
            WriteFileBytes(kPath, c.file);
        }
        EXPECT_EQ(ReadString(c.section, c.key), c.result)
            << "line " << c.line << ": '" << Visible(c.file) << "'";
    }
}

TEST_F(ProfileTest, StringIsCutToTheBufferAndZeroEnded) {
    WriteFileBytes(kPath, "[s]\r\nk=abcdef\r\n");
    const struct {
        int line;
        const char *key;
        DWORD size;
        const char *result;
    } cases[] = {
        {__LINE__, "k", 4, "abc"}, {__LINE__, "k", 7, "abcdef"},   {__LINE__, "k", 1, ""},
        {__LINE__, "j", 4, "dfl"}, {__LINE__, "j", 9, "dflt-txt"}, {__LINE__, "j", 1, ""},
    };
    for (const auto &c : cases) {
        char buffer[16];
        memset(buffer, '#', sizeof(buffer));
        DWORD copied = GetPrivateProfileStringA("s", c.key, "dflt-txt", buffer, c.size, kPath);
        EXPECT_STREQ(buffer, c.result) << "line " << c.line;
        EXPECT_EQ(copied, strlen(c.result)) << "line " << c.line;
        EXPECT_EQ(buffer[c.size], '#') << "line " << c.line << ": wrote past the buffer";
    }
}

struct WriteCase {
    int line;
    bool exists;
    std::string before;
    const char *section;
    const char *key;
    const char *text;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {__LINE__, false, "", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {__LINE__, true, "", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nk=1\r\n", "s", "k", "22", "[s]\r\nk=22\r\n"},
    {__LINE__, true, "[s]\nk=1\n", "s", "k", "22", "[s]\nk=22\n"},
    {__LINE__, true, "[a]\nx=1\n", "s", "k", "v", "[a]\nx=1\n[s]\nk=v\n"},
    {__LINE__, true, "[s]\nx=1\n", "s", "k", "v", "[s]\nx=1\nk=v\n"},
    {__LINE__, true, "[a]\r\nx=1\r\n", "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
    // The first line end sets the style of new lines.
    {__LINE__, true, "[a]\nx=1\r\n", "s", "k", "v", "[a]\nx=1\r\n[s]\nk=v\n"},
    {__LINE__, true, "[a]", "s", "k", "v", "[a]\r\n[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nx=1", "s", "k", "v", "[s]\r\nx=1\r\nk=v\r\n"},
    {__LINE__, true, "[s]\nx=1", "s", "k", "v", "[s]\nx=1\nk=v\n"},
    {__LINE__, true, "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nk=1", "s", "k", "v", "[s]\r\nk=v"},
    {__LINE__, true, "[s]\r\n\r\n\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n\r\n\r\n[t]\r\n"},
    {__LINE__, true, "[s]\r\nx=1\r\n; about t\r\n\r\n[t]\r\nk=1\r\n", "s", "k", "v",
     "[s]\r\nx=1\r\n; about t\r\nk=v\r\n\r\n[t]\r\nk=1\r\n"},
    {__LINE__, true, "  [ S ]  \r\n \t K \t = \t 1 \t \r\n", "s", "k", "v",
     "  [ S ]  \r\n \t K \t = \t v \t \r\n"},
    {__LINE__, true, "[s]\r\nk=\r\n", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nk=   \r\n", "s", "k", "v", "[s]\r\nk=v   \r\n"},
    {__LINE__, true, "[s]\r\nk=\"1\"\r\n", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "v", "[s]\r\nk=v\r\nk=2\r\n"},
    {__LINE__, true, "[s]\r\nk=1\r\n[t]\r\n[S]\r\nk=2\r\n", "s", "k", "v",
     "[s]\r\nk=v\r\n[t]\r\n[S]\r\nk=2\r\n"},
    {__LINE__, true, "[s]\r\nj=1\r\n[s]\r\nk=2\r\n", "s", "k", "v",
     "[s]\r\nj=1\r\nk=v\r\n[s]\r\nk=2\r\n"},
    {__LINE__, true, "k=1\r\n[s]\r\n", "s", "k", "v", "k=1\r\n[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\n;k=1\r\nk\r\n", "s", "k", "v", "[s]\r\n;k=1\r\nk\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nk=1\r\r\n", "s", "k", "v", "[s]\r\nk=v\r\r\n"},
    {__LINE__, true, "[s]\rx=1\r", "s", "k", "v", "[s]\rx=1\rk=v\r"},
    {__LINE__, true, "[s]\rx=1", "s", "k", "v", "[s]\rx=1\rk=v\r"},
    {__LINE__, true, "[a]\r", "s", "k", "v", "[a]\r[s]\rk=v\r"},
    {__LINE__, true, "[a]\r\n[s\r\n", "s", "k", "v", "[a]\r\n[s\r\n[s]\r\nk=v\r\n"},
    {__LINE__, true, "[s]\r\nbin=\0\x01\xFF\x80\r\nk=1\r\n\0"s, "s", "k", "v",
     "[s]\r\nbin=\0\x01\xFF\x80\r\nk=v\r\n\0"s},
    {__LINE__, true, "[s]\r\nk=1\r\n", "s", "k", "1", "[s]\r\nk=1\r\n"},
};

TEST_F(ProfileTest, WriterChangesOnlyTheKeyAndKeepsEveryOtherByte) {
    for (const WriteCase &c : kWriteCases) {
        std::filesystem::remove(kPath);
        if (c.exists) {
            WriteFileBytes(kPath, c.before);
        }
        EXPECT_EQ(WritePrivateProfileStringA(c.section, c.key, c.text, kPath), TRUE)
            << "line " << c.line;
        EXPECT_EQ(Visible(FileBytes(kPath)), Visible(c.after)) << "line " << c.line;
        EXPECT_EQ(ReadString(c.section, c.key), c.text) << "line " << c.line;
        EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{"test.ini"}) << "line " << c.line;
    }
}

TEST_F(ProfileTest, OverLongLineIsKeptWhole) {
    const std::string longLine = "note=" + std::string(200000, 'x') + "\r\n";
    WriteFileBytes(kPath, "[s]\r\n" + longLine + "k=1\r\n");
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "2", kPath), TRUE);
    EXPECT_TRUE(FileBytes(kPath) == "[s]\r\n" + longLine + "k=2\r\n");
    EXPECT_EQ(ReadString("s", "note"), std::string(63, 'x'));
}

TEST_F(ProfileTest, WriterKeepsTheFilesPermissions) {
    WriteFileBytes(kPath, "[s]\r\nk=1\r\n");
    ASSERT_EQ(chmod(kPath, 0640), 0);
    ASSERT_EQ(WritePrivateProfileStringA("s", "k", "2", kPath), TRUE);
    struct stat info;
    ASSERT_EQ(stat(kPath, &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

struct RefusedCase {
    int line;
    const char *section;
    const char *key;
    const char *text;
};

// Texts and names that would not read back from one line, and a missing text.
const RefusedCase kRefusedCases[] = {
    {__LINE__, "s", "k", "1\r\nxpos=5"},
    {__LINE__, "s", "k", "1\n"},
    {__LINE__, "s", "k\nx", "1"},
    {__LINE__, "s", "a=b", "1"},
    {__LINE__, "s]", "k", "1"},
    {__LINE__, "s\r", "k", "1"},
    {__LINE__, "s", "", "1"},
    {__LINE__, "", "k", "1"},
    {__LINE__, "s", " k", "1"},
    {__LINE__, "s", "[k", "1"},
    {__LINE__, "s", ";k", "1"},
    {__LINE__, "s", "k", nullptr},
    {__LINE__, "s", nullptr, "1"},
    {__LINE__, nullptr, "k", "1"},
};

TEST_F(ProfileTest, WriterRefusesTextThatWouldNotReadBack) {
    const std::string old = "[s]\r\nk=0\r\n";
    for (const RefusedCase &c : kRefusedCases) {
        WriteFileBytes(kPath, old);
        EXPECT_EQ(WritePrivateProfileStringA(c.section, c.key, c.text, kPath), FALSE)
            << "line " << c.line;
        EXPECT_EQ(Visible(FileBytes(kPath)), Visible(old)) << "line " << c.line;
    }
}

TEST_F(ProfileTest, MissingFolderCreatesNothing) {
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "1", "./missing/test.ini"), FALSE);
    EXPECT_TRUE(DirectoryNames(dir_).empty());
    EXPECT_EQ(ReadString("s", "k", "./missing/test.ini"), "<default>");
}

TEST_F(ProfileTest, PipeInPlaceOfTheFileIsNeitherReadNorReplaced) {
    ASSERT_EQ(mkfifo(kPath, 0644), 0);
    EXPECT_EQ(ReadString("s", "k"), "<default>");
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "1", kPath), FALSE);
    struct stat info;
    ASSERT_EQ(stat(kPath, &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(ProfileTest, FileAtTheSizeLimitIsEditedButNeverGrownPastIt) {
    const std::string head = "[s]\r\nk=1\r\n;";
    std::string file = head + std::string(kStandInProfileMaxBytes - head.size(), 'x');
    WriteFileBytes(kPath, file);
    EXPECT_EQ(ReadString("s", "k"), "1");
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "2", kPath), TRUE);
    file[7] = '2';
    EXPECT_TRUE(FileBytes(kPath) == file);
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "22", kPath), FALSE);
    EXPECT_TRUE(FileBytes(kPath) == file);
    EXPECT_EQ(DirectoryNames(dir_), std::vector<std::string>{"test.ini"});
}

TEST_F(ProfileTest, FileOverTheSizeLimitIsNeitherReadNorReplaced) {
    const std::string head = "[s]\r\nk=1\r\n;";
    const std::string file = head + std::string(kStandInProfileMaxBytes + 1 - head.size(), 'x');
    WriteFileBytes(kPath, file);
    EXPECT_EQ(ReadString("s", "k"), "<default>");
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "2", kPath), FALSE);
    EXPECT_TRUE(FileBytes(kPath) == file);
}

TEST(ScreenMetrics, ReportTheSetPrimaryScreen) {
    StandInSetScreenSize(1366, 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    StandInSetScreenSize(1920, 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
}

} // namespace
