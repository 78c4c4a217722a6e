// The float and double fields: which characters the scanner takes.
#include <gtest/gtest.h>

#include "core/float_scan.h"

namespace {

// ---- The scanner ----

struct ScanCase {
    int line;
    const char *text;
    FloatTextKind kind;
    bool negative;
    int used; // characters that form the number, white space and sign included
};

const ScanCase kScanCases[] = {
    // Broken off before the number is complete: no number, not the shorter one in front.
    {__LINE__, "1e", kFloatTextNone, false, 0},
    {__LINE__, "1e+", kFloatTextNone, false, 0},
    {__LINE__, "1E-x", kFloatTextNone, false, 0},
    {__LINE__, "-", kFloatTextNone, false, 0},
    {__LINE__, "+", kFloatTextNone, false, 0},
    {__LINE__, ".", kFloatTextNone, false, 0},
    {__LINE__, ".e5", kFloatTextNone, false, 0},
    {__LINE__, "0x", kFloatTextNone, false, 0},
    {__LINE__, "0Xg", kFloatTextNone, false, 0},
    {__LINE__, "0x.p1", kFloatTextNone, false, 0},
    {__LINE__, "0x1p", kFloatTextNone, false, 0},
    {__LINE__, "0x1.8p+", kFloatTextNone, false, 0},
    {__LINE__, "infin", kFloatTextNone, false, 0},
    {__LINE__, "infi", kFloatTextNone, false, 0},
    {__LINE__, "infinitx", kFloatTextNone, false, 0},
    {__LINE__, "nan(", kFloatTextNone, false, 0},
    {__LINE__, "nan(abc", kFloatTextNone, false, 0},
    {__LINE__, "nan(a-b)", kFloatTextNone, false, 0},
    {__LINE__, "na", kFloatTextNone, false, 0},
    // Not a number at all.
    {__LINE__, "", kFloatTextNone, false, 0},
    {__LINE__, "abc", kFloatTextNone, false, 0},
    {__LINE__, "e5", kFloatTextNone, false, 0},
    {__LINE__, "+-1", kFloatTextNone, false, 0},
    {__LINE__, "- 1", kFloatTextNone, false, 0},
    {__LINE__,
     "\xA0"
     "1",
     kFloatTextNone, false, 0}, // a no-break space is not white space here
    // Complete numbers, ending at the first character that cannot continue them.
    {__LINE__, "1", kFloatTextDecimal, false, 1},
    {__LINE__, "  -2.5e3xyz", kFloatTextDecimal, true, 8},
    {__LINE__, "\t\n\v\f\r 7", kFloatTextDecimal, false, 7},
    {__LINE__, "12.5kg", kFloatTextDecimal, false, 4},
    {__LINE__, "1,5", kFloatTextDecimal, false, 1},
    {__LINE__, "1..5", kFloatTextDecimal, false, 2},
    {__LINE__, "1.e5", kFloatTextDecimal, false, 4},
    {__LINE__, "+.5E+1", kFloatTextDecimal, false, 6},
    {__LINE__, "1e5e", kFloatTextDecimal, false, 3},
    {__LINE__, "00x1", kFloatTextDecimal, false, 2},
    {__LINE__, "0x1p-2", kFloatTextHex, false, 6},
    {__LINE__, "-0X.8", kFloatTextHex, true, 5},
    {__LINE__, "0x1.", kFloatTextHex, false, 4},
    {__LINE__, "0xA.8p1x", kFloatTextHex, false, 7},
    {__LINE__, "0x1e", kFloatTextHex, false, 4}, // 'e' is a hexadecimal digit
    {__LINE__, "inf", kFloatTextInfinity, false, 3},
    {__LINE__, "-INFx", kFloatTextInfinity, true, 4},
    {__LINE__, "InFiNiTyX", kFloatTextInfinity, false, 8},
    {__LINE__, "nan", kFloatTextNan, false, 3},
    {__LINE__, "nanx", kFloatTextNan, false, 3},
    {__LINE__, "NaN()", kFloatTextNan, false, 5},
    {__LINE__, "-nan(abc)", kFloatTextNan, true, 9},
    {__LINE__, "nan(_a1)z", kFloatTextNan, false, 8},
};

TEST(FloatScan, TakesOnlyCompleteNumbers) {
    for (const ScanCase &c : kScanCases) {
        FloatScan scan = ScanFloatText(c.text);
        EXPECT_EQ(scan.kind, c.kind) << "line " << c.line << ": '" << c.text << "'";
        EXPECT_EQ(scan.end - c.text, c.used) << "line " << c.line << ": '" << c.text << "'";
        if (c.kind != kFloatTextNone) {
            EXPECT_EQ(scan.negative, c.negative) << "line " << c.line << ": '" << c.text << "'";
        }
    }
}

} // namespace
