// A fixture that runs each test in a fresh temporary working directory, plus file helpers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/file_text.h"

class WorkingDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::error_code error;
        previousDir_ = std::filesystem::current_path(error);
        ASSERT_FALSE(error) << error.message();
        std::string pattern = (std::filesystem::temp_directory_path() / "converter-XXXXXX");
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        dir_ = name.data();
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }

    void TearDown() override {
        std::error_code error;
        std::filesystem::current_path(previousDir_, error);
        std::filesystem::remove_all(dir_, error);
    }

    std::filesystem::path dir_;

  private:
    std::filesystem::path previousDir_;
};

inline void WriteFileBytes(const std::string &path, const std::string &bytes) {
    ASSERT_TRUE(StoreFileBytes(path, bytes)) << path;
}

// The names in a directory, sorted: shows stray temporary files.
inline std::vector<std::string> DirectoryNames(const std::filesystem::path &dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(dir, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Control characters shown escaped, so a failure message shows "\r\n" and NUL bytes.
inline std::string Visible(const std::string &bytes) {
    std::string shown;
    char escape[8];
    for (unsigned char c : bytes) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c < 0x20 || c >= 0x7F) {
            snprintf(escape, sizeof(escape), "\\x%02X", c);
            shown += escape;
        } else {
            shown += (char)c;
        }
    }
    return shown;
}
