// The float and double fields: which characters the scanner takes, the bytes each text gives,
// the exact display texts, and the two views through the refresh cycle.
#include <gtest/gtest.h>

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>

#include "core/app_state.h"
#include "core/field_table.h"
#include "core/float_scan.h"
#include "core/memory_boxes.h"
#include "tests/test_support.h"

namespace {

std::string FloatText(uint32_t bits) {
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, bits, 4);
    char text[kMaxDisplayCapacity];
    FormatField(FindField(kFieldFloat), &value, text);
    return text;
}

std::string DoubleText(uint64_t bits) {
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, bits, 8);
    char text[kMaxDisplayCapacity];
    FormatField(FindField(kFieldDouble), &value, text);
    return text;
}

double DoubleOf(uint64_t bits) {
    double number;
    memcpy(&number, &bits, sizeof(number));
    return number;
}

double FloatAsDouble(uint32_t bits) {
    float number;
    memcpy(&number, &bits, sizeof(number));
    return number;
}

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

// ---- Parsing ----

struct ParseCase {
    int line;
    const char *text;
    const char *bytes;
};

const ParseCase kFloatParseCases[] = {
    {__LINE__, "1", "00 00 80 3F 00 00 00 00"},
    {__LINE__, "  -2.5e3xyz", "00 40 1C C5 00 00 00 00"},
    {__LINE__, "0.1", "CD CC CC 3D 00 00 00 00"},
    {__LINE__, "16777217", "00 00 80 4B 00 00 00 00"}, // halfway: to the even neighbour
    {__LINE__, "1e-40", "C2 16 01 00 00 00 00 00"},
    {__LINE__, "", "00 00 00 00 00 00 00 00"},
    {__LINE__, "abc", "00 00 00 00 00 00 00 00"},
    {__LINE__, "1e", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-", "00 00 00 00 00 00 00 00"},
    {__LINE__, ".", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0x", "00 00 00 00 00 00 00 00"},
    {__LINE__, "infin", "00 00 00 00 00 00 00 00"},
    {__LINE__, "nan(", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-0", "00 00 00 80 00 00 00 00"},
    {__LINE__, "-0x0p0", "00 00 00 80 00 00 00 00"},
    // Infinities and NaNs.
    {__LINE__, "-INF", "00 00 80 FF 00 00 00 00"},
    {__LINE__, "Infinity", "00 00 80 7F 00 00 00 00"},
    {__LINE__, "-nan(abc)", "00 00 C0 7F 00 00 00 00"},
    {__LINE__, "NAN", "00 00 C0 7F 00 00 00 00"},
    // Overflow and underflow, with the sign kept.
    {__LINE__, "1e39", "00 00 80 7F 00 00 00 00"},
    {__LINE__, "-1e39", "00 00 80 FF 00 00 00 00"},
    {__LINE__, "3.4028235e38", "FF FF 7F 7F 00 00 00 00"},
    {__LINE__, "3.40282357e38", "00 00 80 7F 00 00 00 00"},
    {__LINE__, "1e99999999999999999999", "00 00 80 7F 00 00 00 00"},
    {__LINE__, "7.1e-46", "01 00 00 00 00 00 00 00"},
    {__LINE__, "7e-46", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-1e-50", "00 00 00 80 00 00 00 00"},
    {__LINE__, "1e-99999999999999999999", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0e99999999999999999999", "00 00 00 00 00 00 00 00"},
    {__LINE__, "1e0000000000000000000000000000000000001", "00 00 20 41 00 00 00 00"},
    // Leading zeros before and after the point.
    {__LINE__, "00000000000000000000000000000000000000000001.5", "00 00 C0 3F 00 00 00 00"},
    {__LINE__, "0.00000000000000000000000000000000000000000000000000000000000000000001e68",
     "00 00 80 3F 00 00 00 00"},
    // Hexadecimal: exact, rounded to nearest with halfway cases to even.
    {__LINE__, "0x1p-2", "00 00 80 3E 00 00 00 00"},
    {__LINE__, "0X1.8P+1", "00 00 40 40 00 00 00 00"},
    {__LINE__, "0x.8", "00 00 00 3F 00 00 00 00"},
    {__LINE__, "0x1.000001p0", "00 00 80 3F 00 00 00 00"},
    {__LINE__, "0x1.000003p0", "02 00 80 3F 00 00 00 00"},
    {__LINE__, "0x1.00000100000000000001p0", "01 00 80 3F 00 00 00 00"},
    {__LINE__, "0x10000000000000000000p-76", "00 00 80 3F 00 00 00 00"},
    {__LINE__, "0x1.fffffeffp127", "FF FF 7F 7F 00 00 00 00"},
    {__LINE__, "0x1.ffffffp127", "00 00 80 7F 00 00 00 00"}, // rounds up into the infinity
    {__LINE__, "0x1p-149", "01 00 00 00 00 00 00 00"},
    {__LINE__, "0x1p-150", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0x1.000001p-150", "01 00 00 00 00 00 00 00"},
    {__LINE__, "0x1.8p-149", "02 00 00 00 00 00 00 00"},
    {__LINE__, "0x1.fffffcp-127", "FF FF 7F 00 00 00 00 00"},
    {__LINE__, "0x1.fffffep-127", "00 00 80 00 00 00 00 00"}, // up to the smallest normal
    {__LINE__, "0x1.0f7b33p-127", "CD DE 43 00 00 00 00 00"},
};

const ParseCase kDoubleParseCases[] = {
    {__LINE__, "1", "00 00 00 00 00 00 F0 3F"},
    {__LINE__, "1.5", "00 00 00 00 00 00 F8 3F"},
    {__LINE__, "0.1", "9A 99 99 99 99 99 B9 3F"},
    {__LINE__, "1e23", "F6 4A E1 C7 02 2D B5 44"},
    {__LINE__, "9007199254740993", "00 00 00 00 00 00 40 43"},
    {__LINE__, "9007199254740993.0000000000000000000000000000001", "01 00 00 00 00 00 40 43"},
    {__LINE__, "", "00 00 00 00 00 00 00 00"},
    {__LINE__, "1e+", "00 00 00 00 00 00 00 00"},
    {__LINE__, "+", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0x", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-nan(abc)", "00 00 00 00 00 00 F8 7F"},
    {__LINE__, "-inf", "00 00 00 00 00 00 F0 FF"},
    {__LINE__, "1e309", "00 00 00 00 00 00 F0 7F"},
    {__LINE__, "-1e309", "00 00 00 00 00 00 F0 FF"},
    {__LINE__, "1.7976931348623158e308", "FF FF FF FF FF FF EF 7F"},
    {__LINE__, "1.7976931348623159e308", "00 00 00 00 00 00 F0 7F"},
    {__LINE__, "1e39", "1D 4A 9C F4 87 82 07 48"},
    {__LINE__, "2.4703282292062328e-324", "01 00 00 00 00 00 00 00"},
    {__LINE__, "2.4703282292062327e-324", "00 00 00 00 00 00 00 00"},
    {__LINE__, "1e-320", "E8 07 00 00 00 00 00 00"},
    {__LINE__, "-1e-400", "00 00 00 00 00 00 00 80"},
    {__LINE__, "2.2250738585072011e-308", "FF FF FF FF FF FF 0F 00"},
    {__LINE__, "0x1p-1074", "01 00 00 00 00 00 00 00"},
    {__LINE__, "0x1p-1075", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0x1.0000000000001p-1075", "01 00 00 00 00 00 00 00"},
    {__LINE__, "0x1.00000000000008p0", "00 00 00 00 00 00 F0 3F"},
    {__LINE__, "0x1.00000000000008000000000000001p0", "01 00 00 00 00 00 F0 3F"},
    {__LINE__, "0x1.fffffffffffff8p1023", "00 00 00 00 00 00 F0 7F"},
    {__LINE__, "-0x1.fffffffffffff7ffp1023", "FF FF FF FF FF FF EF FF"},
};

TEST(FloatParse, GivesTheNearestBinary32AndClearsBytes4To7) {
    for (const ParseCase &c : kFloatParseCases) {
        EXPECT_EQ(ByteDump(ParseField(kFieldFloat, c.text)), c.bytes)
            << "line " << c.line << ": '" << c.text << "'";
    }
}

TEST(DoubleParse, GivesTheNearestBinary64) {
    for (const ParseCase &c : kDoubleParseCases) {
        EXPECT_EQ(ByteDump(ParseField(kFieldDouble, c.text)), c.bytes)
            << "line " << c.line << ": '" << c.text << "'";
    }
}

// A digit that decides the rounding may stand far behind the first digits of a long text.
TEST(FloatParse, LongDigitStringsStillRoundCorrectly) {
    const std::string floatHalfway = "1.000000059604644775390625"; // 1 + 2^-24
    const std::string zeros(2000, '0');
    EXPECT_EQ(ByteDump(ParseField(kFieldFloat, (floatHalfway + zeros).c_str())),
              "00 00 80 3F 00 00 00 00");
    EXPECT_EQ(ByteDump(ParseField(kFieldFloat, (floatHalfway + zeros + "1").c_str())),
              "01 00 80 3F 00 00 00 00");
    const std::string doubleHalfway = "9007199254740993."; // 2^53 + 1
    EXPECT_EQ(ByteDump(ParseField(kFieldDouble, (doubleHalfway + zeros).c_str())),
              "00 00 00 00 00 00 40 43");
    EXPECT_EQ(ByteDump(ParseField(kFieldDouble, (doubleHalfway + zeros + "1").c_str())),
              "01 00 00 00 00 00 40 43");
    EXPECT_EQ(ByteDump(ParseField(kFieldDouble, ("1" + zeros + "e-2000").c_str())),
              "00 00 00 00 00 00 F0 3F");
    EXPECT_EQ(ByteDump(ParseField(kFieldDouble, ("0." + zeros + "15e2001").c_str())),
              "00 00 00 00 00 00 F8 3F");
}

// ---- Display ----

struct FloatTextCase {
    int line;
    uint32_t bits;
    const char *text;
};

const FloatTextCase kFloatTextCases[] = {
    {__LINE__, 0x00000000u, "0.000000"},
    {__LINE__, 0x80000000u, "-0.000000"},
    {__LINE__, 0x80000001u, "-0.000000"}, // negative, too small for six decimals
    {__LINE__, 0x00000001u, "0.000000"},
    {__LINE__, 0x3F800000u, "1.000000"},
    {__LINE__, 0xC61C4000u, "-10000.000000"},
    {__LINE__, 0x4B000001u, "8388609.000000"},
    {__LINE__, 0x358637BDu, "0.000001"},
    {__LINE__, 0x3C000000u, "0.007812"}, // 0.0078125: halfway, to even
    {__LINE__, 0x3CC00000u, "0.023438"}, // 0.0234375: halfway, to even
    {__LINE__, 0x5F800000u, "18446744073709551616.000000"},
    // Every digit exact, also beyond the seventeenth; 29 characters is the most shown.
    {__LINE__, 0x64078678u, "9999999778196308361216.000000"},
    {__LINE__, 0x64078679u, ""},
    {__LINE__, 0xE258D726u, "-999999949672133165056.000000"},
    {__LINE__, 0xE258D727u, ""},
    {__LINE__, 0x7F7FFFFFu, ""},
    {__LINE__, 0x7F800000u, "inf"},
    {__LINE__, 0xFF800000u, "-inf"},
    {__LINE__, 0x7FC00000u, "nan"},
    {__LINE__, 0xFFC00000u, "nan"},
    {__LINE__, 0x7F800001u, "nan"},
    {__LINE__, 0xFFFFFFFFu, "nan"},
};

TEST(FloatDisplay, ShowsFixedTextOfBytes0To3) {
    for (const FloatTextCase &c : kFloatTextCases) {
        EXPECT_EQ(FloatText(c.bits), c.text) << "line " << c.line;
    }
    RawValue highBytesOnly = ValueOf({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    char text[kMaxDisplayCapacity];
    FormatField(FindField(kFieldFloat), &highBytesOnly, text);
    EXPECT_STREQ(text, "0.000000");
}

struct DoubleTextCase {
    int line;
    uint64_t bits;
    const char *text;
};

const DoubleTextCase kDoubleTextCases[] = {
    {__LINE__, 0x0000000000000000ull, "0.000000e+00"},
    {__LINE__, 0x8000000000000000ull, "-0.000000e+00"},
    {__LINE__, 0x3FF8000000000000ull, "1.500000e+00"},
    {__LINE__, 0x000000003F800000ull, "5.263544e-315"},
    {__LINE__, 0x0000000000000001ull, "4.940656e-324"},
    {__LINE__, 0x8000000000000001ull, "-4.940656e-324"},
    {__LINE__, 0x7FEFFFFFFFFFFFFFull, "1.797693e+308"},
    {__LINE__, 0x54B249AD2594C37Dull, "1.000000e+100"},
    {__LINE__, 0x3FB999999999999Aull, "1.000000e-01"},
    {__LINE__, 0x4132D68780000000ull, "1.234568e+06"}, // 1234567.5: halfway, to even (up)
    {__LINE__, 0x4132D68880000000ull, "1.234568e+06"}, // 1234568.5: halfway, to even (down)
    {__LINE__, 0x416312CFF0000000ull, "1.000000e+07"}, // 9999999.5 rounds into the next decade
    {__LINE__, 0x7FF0000000000000ull, "inf"},
    {__LINE__, 0xFFF0000000000000ull, "-inf"},
    {__LINE__, 0x7FF8000000000000ull, "nan"},
    {__LINE__, 0xFFF8000000000000ull, "nan"},
    {__LINE__, 0x7FF0000000000001ull, "nan"},
    {__LINE__, 0xFFFFFFFFFFFFFFFFull, "nan"},
};

TEST(DoubleDisplay, ShowsExponentTextWithAtLeastTwoExponentDigits) {
    for (const DoubleTextCase &c : kDoubleTextCases) {
        EXPECT_EQ(DoubleText(c.bits), c.text) << "line " << c.line;
    }
}

// A text that does not fit the buffer is left out whole, and the buffer stays zero-filled.
TEST(FloatDisplay, NeverCutsATextToFitItsBuffer) {
    const FieldSpec *rows[] = {FindField(kFieldFloat), FindField(kFieldDouble)};
    RawValue value = ValueOf({0x00, 0x40, 0x1C, 0xC5, 0x00, 0x00, 0xF8, 0x3F});
    for (const FieldSpec *row : rows) {
        char full[kMaxDisplayCapacity];
        row->format(&value, full, sizeof(full));
        size_t length = strlen(full);
        ASSERT_GT(length, 0u) << row->label;
        for (size_t capacity = 1; capacity <= length + 2; ++capacity) {
            char text[kMaxDisplayCapacity];
            memset(text, 'x', sizeof(text));
            row->format(&value, text, capacity);
            std::string expected = capacity > length ? full : "";
            EXPECT_EQ(std::string(text), expected) << row->label << " capacity " << capacity;
            for (size_t i = expected.size(); i < capacity; ++i) {
                EXPECT_EQ(text[i], '\0') << row->label << " capacity " << capacity;
            }
        }
    }
}

// ---- Properties over many bit patterns ----

const int kRandomPatterns = 100000;

// Bits that favour the interesting exponents: each call flips a coin between any pattern and
// one whose exponent field lies in a narrow band around 'centre'.
uint64_t PatternNear(std::mt19937_64 &random, uint64_t exponentMask, int fractionBits, int band,
                     int centre) {
    uint64_t bits = random();
    if (random() & 1) {
        uint64_t field = (uint64_t)(centre - band / 2 + (int)(random() % (uint64_t)band));
        bits = (bits & ~(exponentMask << fractionBits)) | (field << fractionBits);
    }
    return bits;
}

// Every finite float shows at most 29 characters, or nothing exactly when the text would be
// longer; a shown text reads back to within the six-decimal rounding of the value.
TEST(FloatDisplay, EveryFiniteValueFitsOrIsEmptyAndReadsBack) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < kRandomPatterns; ++i) {
        uint32_t bits = (uint32_t)PatternNear(random, 0xFF, 23, 30, 0xBF); // around 1e19..1e23
        double value = FloatAsDouble(bits);
        if (!isfinite(value)) {
            continue;
        }
        std::string text = FloatText(bits);
        bool tooLong = value >= 1e22 || value <= -1e21; // 23 or 22 integer digits
        ASSERT_EQ(text.empty(), tooLong) << std::hex << bits << " '" << text << "'";
        if (tooLong) {
            continue;
        }
        ASSERT_LE(text.size(), 29u) << std::hex << bits;
        ASSERT_EQ(text[0] == '-', signbit(value) != 0) << std::hex << bits << " " << text;
        double readBack = strtod(text.c_str(), nullptr);
        ASSERT_LE(fabs(readBack - value), 5e-7 + fabs(value) * 0x1p-52)
            << std::hex << bits << " " << text;
    }
}

// Every finite double's text reads back through the double field to within half a unit of its
// seventh significant digit (and the half step of the read itself).
TEST(DoubleDisplay, EveryFiniteValueReadsBackWithinItsRounding) {
    std::mt19937_64 random(20240602);
    for (int i = 0; i < kRandomPatterns; ++i) {
        uint64_t bits = PatternNear(random, 0x7FF, 52, 120, 60); // subnormal and tiny values
        double value = DoubleOf(bits);
        if (!isfinite(value)) {
            continue;
        }
        std::string text = DoubleText(bits);
        const char *exponent = strchr(text.c_str(), 'e');
        ASSERT_TRUE(exponent != nullptr) << text;
        ASSERT_EQ(text.size(), (size_t)(exponent - text.c_str()) + 2 + strlen(exponent + 2));
        ASSERT_GE(strlen(exponent + 2), 2u) << text;
        ASSERT_LE(text.size(), 14u) << text;
        RawValue readValue = ParseField(kFieldDouble, text.c_str());
        double readBack = DoubleOf(LoadLittleEndian(&readValue, 8));
        long double step = powl(10.0L, (long double)(atoi(exponent + 1) - 6));
        long double readHalfStep = (nextafter(fabs(readBack), INFINITY) - fabs(readBack)) / 2.0L;
        long double error = fabsl((long double)readBack - (long double)value);
        ASSERT_LE(error, (step / 2.0L) * (1.0L + 1e-15L) + readHalfStep)
            << std::hex << bits << " " << text;
        ASSERT_EQ(signbit(readBack), signbit(value)) << std::hex << bits << " " << text;
    }
}

#if defined(__GLIBC__)
// glibc prints every "%f" and "%e" digit exactly, halfway cases to even: the texts of the core
// must match it wherever glibc's own texts are the ones shown (finite values, two-digit or
// three-digit exponents alike).
TEST(FloatDisplay, MatchesAnExactPrintingLibrary) {
    std::mt19937_64 random(20240603);
    char expected[64];
    for (int i = 0; i < kRandomPatterns; ++i) {
        uint32_t floatBits = (uint32_t)PatternNear(random, 0xFF, 23, 40, 0x70);
        if (i % 4 == 0) {
            floatBits &= 0xFFFFFF00u; // short fractions: many exact halfway cases
        }
        double floatValue = FloatAsDouble(floatBits);
        if (isfinite(floatValue)) {
            int length = snprintf(expected, sizeof(expected), "%f", floatValue);
            std::string want = length <= 29 ? expected : "";
            ASSERT_EQ(FloatText(floatBits), want) << std::hex << floatBits;
        }
        uint64_t doubleBits = PatternNear(random, 0x7FF, 52, 200, 1023);
        if (i % 4 == 0) {
            doubleBits &= ~0xFFFFFFFFull;
        }
        double doubleValue = DoubleOf(doubleBits);
        if (isfinite(doubleValue)) {
            snprintf(expected, sizeof(expected), "%e", doubleValue);
            ASSERT_EQ(DoubleText(doubleBits), expected) << std::hex << doubleBits;
        }
    }
}
#endif

// ---- Through the refresh cycle ----

class FloatCycle : public ::testing::Test {
  protected:
    void SetUp() override { StartBoxesFromZero(); }
    void TearDown() override {
        ResetMemoryBoxes();
        ResetAppState();
    }
    static std::string Box(FieldId id) { return BoxText(id); }
};

TEST_F(FloatCycle, StartShowsZeroInBothViews) {
    EXPECT_EQ(Box(kFieldFloat), "0.000000");
    EXPECT_EQ(Box(kFieldDouble), "0.000000e+00");
}

TEST_F(FloatCycle, EachViewReadsOnlyItsOwnBytes) {
    PasteIntoBox(kFieldFloat, "1");
    EXPECT_EQ(Box(kFieldHex), "0000803F00000000");
    EXPECT_EQ(Box(kFieldDouble), "5.263544e-315");
    EXPECT_EQ(Box(kFieldFloat), "1");

    PasteIntoBox(kFieldDouble, "1");
    EXPECT_EQ(Box(kFieldHex), "000000000000F03F");
    EXPECT_EQ(Box(kFieldFloat), "0.000000");
}

TEST_F(FloatCycle, TypedTextStaysWhileTheOtherViewsShowItsBytes) {
    PasteIntoBox(kFieldFloat, "  -2.5e3xyz");
    EXPECT_EQ(Box(kFieldFloat), "  -2.5e3xyz");
    EXPECT_EQ(Box(kFieldHex), "00401CC500000000");
    EXPECT_EQ(Box(kFieldInt32), "-988004352");

    PasteIntoBox(kFieldDouble, "-nan(abc)");
    EXPECT_EQ(Box(kFieldHex), "000000000000F87F");
    EXPECT_EQ(Box(kFieldFloat), "0.000000");
}

// An empty float text is written like any other, and its own nested reading (all zero) does not
// reach the other boxes.
TEST_F(FloatCycle, AnEmptyFloatTextLeavesTheOtherViewsAlone) {
    PasteIntoBox(kFieldHex, "79860764");
    EXPECT_EQ(Box(kFieldFloat), "");
    EXPECT_EQ(Box(kFieldUint32), "1678214777");
    EXPECT_EQ(Box(kFieldDouble), "8.291483e-315");

    PasteIntoBox(kFieldHex, "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Box(kFieldFloat), "nan");
    EXPECT_EQ(Box(kFieldDouble), "nan");
}

// The box holds the whole pasted text, but only its first 98 characters are read.
TEST_F(FloatCycle, OnlyTheFirst98CharactersAreRead) {
    std::string text = "1" + std::string(97, '0') + "e-97";
    PasteIntoBox(kFieldDouble, text.c_str());
    EXPECT_EQ(Box(kFieldDouble), text);
    EXPECT_EQ(Box(kFieldHex), "1E70C75D09BA1254"); // the bytes of 1e97
}

} // namespace
