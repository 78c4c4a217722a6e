// The character classes every scanner of the core shares, over all 256 byte values.
#include <gtest/gtest.h>

#include <string.h>

#include "core/scan_chars.h"

namespace {

TEST(ScanChars, ClassesHoldExactlyTheirCharacters) {
    for (int code = 0; code < 256; ++code) {
        char c = (char)code;
        bool space = code != 0 && strchr(" \t\n\v\f\r", code) != nullptr;
        bool digit = code >= '0' && code <= '9';
        int hex = digit                          ? code - '0'
                  : (code >= 'a' && code <= 'f') ? code - 'a' + 10
                  : (code >= 'A' && code <= 'F') ? code - 'A' + 10
                                                 : -1;
        EXPECT_EQ(IsScanSpace(c), space) << code;
        EXPECT_EQ(IsDecimalDigit(c), digit) << code;
        EXPECT_EQ(HexDigitValue(c), hex) << code;
    }
    EXPECT_STREQ(SkipScanSpace(" \t\n\v\f\rx y"), "x y");
    EXPECT_STREQ(SkipScanSpace("\x1cx"), "\x1cx");
}

} // namespace
