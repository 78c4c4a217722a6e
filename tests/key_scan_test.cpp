// The toggle key's "0x%x" reading: what starts a number, what ends it, what is no number.
#include <gtest/gtest.h>

#include "app/key_scan.h"

namespace {

const uint32_t kUntouched = 0x14;

struct KeyScanCase {
    int line;
    const char *text;
    uint32_t code; // kUntouched when the text does not scan
};

const KeyScanCase kKeyScanCases[] = {
    {__LINE__, "0x1B", 0x1B},
    {__LINE__, "0x1b", 0x1B},
    {__LINE__, "0x7B", 0x7B},
    {__LINE__, "0X1B", kUntouched}, // the format's x is lower-case
    {__LINE__, "27", kUntouched},
    {__LINE__, "0x", kUntouched},
    {__LINE__, "", kUntouched},
    {__LINE__, "0", kUntouched},
    {__LINE__, " 0x1B", kUntouched}, // the format starts with the digit, not with white space
    {__LINE__, "x1B", kUntouched},
    {__LINE__, "0x1B text", 0x1B},
    {__LINE__, "0x1Bq", 0x1B},
    {__LINE__, "0x1Babc", 0x1BABC},
    {__LINE__, "0x0x1B", 0x1B},
    {__LINE__, "0x0X1B", 0x1B},
    {__LINE__, "0x0x", kUntouched}, // a prefix with no digit after it is no number
    {__LINE__, "0x0xg", kUntouched},
    {__LINE__, "0x0", 0},
    {__LINE__, "0x00x1", 0},
    {__LINE__, "0x 1B", 0x1B},
    {__LINE__, "0x\t\n\v\f\r 1B", 0x1B},
    {__LINE__, "0x +1B", 0x1B},
    {__LINE__, "0x-1", 0xFFFFFFFF},
    {__LINE__, "0x-1B", 0xFFFFFFE5},
    {__LINE__, "0x-0x1B", 0xFFFFFFE5},
    {__LINE__, "0x+-1B", kUntouched},
    {__LINE__, "0x- 1B", kUntouched},
    {__LINE__, "0x+", kUntouched},
    {__LINE__, "0xg", kUntouched},
    {__LINE__, "0xFFFFFFFF", 0xFFFFFFFF},
    // Beyond eight digits the low 32 bits stay: the number modulo 2^32.
    {__LINE__, "0x123456789", 0x23456789},
    {__LINE__, "0x10000001B", 0x1B},
    {__LINE__, "0xFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 0xFFFFFFFF},
    {__LINE__, "0x00000000000000000000000000001B", 0x1B},
};

TEST(KeyScan, ReadsTheTextAsTheFormatDoes) {
    for (const KeyScanCase &c : kKeyScanCases) {
        uint32_t code = kUntouched;
        bool scanned = ScanKeyCode(c.text, &code);
        EXPECT_EQ(code, c.code) << "line " << c.line << ": '" << c.text << "'";
        // A text that scans to 0x14 never appears in the table, so this tells the two apart.
        EXPECT_EQ(scanned, c.code != kUntouched) << "line " << c.line << ": '" << c.text << "'";
    }
}

TEST(KeyScan, LeavesTheCodeAloneWhenNothingScans) {
    uint32_t code = 0xDEADBEEF;
    EXPECT_FALSE(ScanKeyCode("0X1B", &code));
    EXPECT_EQ(code, 0xDEADBEEFu);
}

} // namespace
