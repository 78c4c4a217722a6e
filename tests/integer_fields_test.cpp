// The integer fields: Parse32's saturation and wrapping, the 64-bit scans, the display texts.
#include <gtest/gtest.h>

#include "core/decimal_scan.h"
#include "core/field_table.h"
#include "tests/test_support.h"

namespace {

struct ParseCase {
    int line;
    FieldId field;
    const char *text;
    const char *bytes;
};

const ParseCase kParseCases[] = {
    {__LINE__, kFieldUint8, "255", "FF 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint8, "256", "00 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint8, "999", "E7 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint8, "-1", "FF 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint8, "-12", "F4 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt8, "-128", "80 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt8, "-129", "7F 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt8, "9999", "0F 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt8, "-999", "19 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt8, "200", "C8 00 00 00 00 00 00 00"},
    {__LINE__, kFieldInt16, "-32769", "FF 7F 00 00 00 00 00 00"},
    {__LINE__, kFieldInt16, "99999", "9F 86 00 00 00 00 00 00"},
    {__LINE__, kFieldInt32, "2147483648", "00 00 00 80 00 00 00 00"},
    {__LINE__, kFieldInt32, "-2147483649", "FF FF FF 7F 00 00 00 00"},
    {__LINE__, kFieldInt32, "-4294967295", "01 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint32, "4294967296", "FF FF FF FF 00 00 00 00"},
    {__LINE__, kFieldInt32, "99999999999", "FF FF FF FF 00 00 00 00"},
    {__LINE__, kFieldInt32, "-9999999999", "FF FF FF FF 00 00 00 00"},
    {__LINE__, kFieldInt32, "-4294967296", "FF FF FF FF 00 00 00 00"},
    // Saturation holds however far past 2^64 the digits go.
    {__LINE__, kFieldUint32, "-99999999999999999999999999", "FF FF FF FF 00 00 00 00"},
    {__LINE__, kFieldInt32, "-0", "00 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint16, "0010", "0A 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint16, "0x1F", "00 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint64, "-1", "FF FF FF FF FF FF FF FF"},
    {__LINE__, kFieldUint64, "18446744073709551615", "FF FF FF FF FF FF FF FF"},
    {__LINE__, kFieldUint64, "18446744073709551616", "FF FF FF FF FF FF FF FF"},
    {__LINE__, kFieldUint64, "-18446744073709551616", "FF FF FF FF FF FF FF FF"},
    {__LINE__, kFieldUint64, "-18446744073709551615", "01 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint64, "0x10", "00 00 00 00 00 00 00 00"},
    {__LINE__, kFieldUint64, "4294967296", "00 00 00 00 01 00 00 00"},
    {__LINE__, kFieldInt64, "9223372036854775807", "FF FF FF FF FF FF FF 7F"},
    {__LINE__, kFieldInt64, "9223372036854775808", "FF FF FF FF FF FF FF 7F"},
    {__LINE__, kFieldInt64, "18446744073709551615", "FF FF FF FF FF FF FF 7F"},
    {__LINE__, kFieldInt64, "-9223372036854775808", "00 00 00 00 00 00 00 80"},
    {__LINE__, kFieldInt64, "-9223372036854775809", "00 00 00 00 00 00 00 80"},
    {__LINE__, kFieldInt64, "-99999999999999999999999", "00 00 00 00 00 00 00 80"},
    {__LINE__, kFieldInt64, "-1", "FF FF FF FF FF FF FF FF"},
    {__LINE__, kFieldInt64, " \t\n\v\f\r-2", "FE FF FF FF FF FF FF FF"},
};

TEST(IntegerParse, SetsTheBytesOfTheTable) {
    for (const ParseCase &c : kParseCases) {
        EXPECT_EQ(ByteDump(ParseField(c.field, c.text)), c.bytes)
            << "line " << c.line << ": '" << c.text << "'";
    }
}

// Every integer field reads the texts around a number alike.
TEST(IntegerParse, LeadingAndTrailingTextInEveryField) {
    const FieldId fields[] = {kFieldUint8, kFieldUint16, kFieldUint32, kFieldUint64,
                              kFieldInt8,  kFieldInt16,  kFieldInt32,  kFieldInt64};
    const char *seven[] = {" 7", "+7", "7x", "\t007", "7 8"};
    const char *zero[] = {"",
                          "x7",
                          "- 7",
                          "-",
                          "+",
                          "abc",
                          "+-7",
                          "\xb7"
                          "7"};
    for (FieldId field : fields) {
        for (const char *text : seven) {
            EXPECT_EQ(ByteDump(ParseField(field, text)), "07 00 00 00 00 00 00 00")
                << field << " '" << text << "'";
        }
        for (const char *text : zero) {
            EXPECT_EQ(ByteDump(ParseField(field, text)), "00 00 00 00 00 00 00 00")
                << field << " '" << text << "'";
        }
    }
}

TEST(Parse32, OnlyTheSixSpaceCharactersAreSkipped) {
    EXPECT_EQ(Parse32(" \t\n\v\f\r42"), 42u);
    EXPECT_EQ(Parse32("\xa0"
                      "42"),
              0u); // a no-break space is not white space
    EXPECT_EQ(Parse32("4294967295"), 4294967295u);
    EXPECT_EQ(Parse32("-4294967295"), 1u);
    EXPECT_EQ(Parse32("00000000000000000000004294967295"), 4294967295u);
}

struct DisplayCase {
    int line;
    RawValue value;
    FieldId field;
    const char *text;
};

const DisplayCase kDisplayCases[] = {
    {__LINE__, ValueOf({}), kFieldUint8, "0"},
    {__LINE__, ValueOf({}), kFieldInt64, "0"},
    {__LINE__, ValueOf({0xFF}), kFieldUint8, "255"},
    {__LINE__, ValueOf({0xFF}), kFieldInt8, "-1"},
    {__LINE__, ValueOf({0xFF}), kFieldUint16, "255"},
    {__LINE__, ValueOf({0x80}), kFieldInt8, "-128"},
    {__LINE__, ValueOf({0x00, 0x80}), kFieldInt16, "-32768"},
    {__LINE__, ValueOf({0xFF, 0xFF}), kFieldUint16, "65535"},
    {__LINE__, ValueOf({0xFF, 0xFF, 0xFF, 0xFF}), kFieldUint32, "4294967295"},
    {__LINE__, ValueOf({0, 0, 0, 0x80}), kFieldInt32, "-2147483648"},
    {__LINE__, ValueOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), kFieldUint64,
     "18446744073709551615"},
    {__LINE__, ValueOf({0, 0, 0, 0, 0, 0, 0, 0x80}), kFieldInt64, "-9223372036854775808"},
    // Bytes beyond a field's width play no part in its text.
    {__LINE__, ValueOf({0x01, 0x02, 0x03, 0x04, 0x05}), kFieldUint8, "1"},
    {__LINE__, ValueOf({0x01, 0x02, 0x03, 0x04, 0x05}), kFieldUint16, "513"},
    {__LINE__, ValueOf({0x01, 0x02, 0x03, 0x04, 0x05}), kFieldInt32, "67305985"},
    {__LINE__, ValueOf({0x01}), kFieldHex, "0100000000000000"},
    {__LINE__, ValueOf({0xCD, 0xAB}), kFieldHex, "CDAB000000000000"},
    {__LINE__, ValueOf({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}), kFieldUint64,
     "17279655951921914625"},
};

TEST(IntegerDisplay, FormatsTheViewOfTheTable) {
    for (const DisplayCase &c : kDisplayCases) {
        char text[kMaxDisplayCapacity];
        FormatField(FindField(c.field), &c.value, text);
        EXPECT_STREQ(text, c.text) << "line " << c.line;
    }
}

// The longest text of each field fits its capacity and its box's limit.
TEST(IntegerDisplay, LongestTextsFitCapacityAndLimit) {
    const RawValue extremes[] = {ValueOf({0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}),
                                 ValueOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
                                 ValueOf({0x00, 0x80, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80})};
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec &row = kFieldTable[i];
        for (const RawValue &value : extremes) {
            char text[kMaxDisplayCapacity];
            FormatField(&row, &value, text);
            EXPECT_LT(strlen(text), row.displayCapacity) << row.label;
            if (row.textLimit > 0) {
                EXPECT_LE(strlen(text), (size_t)row.textLimit) << row.label;
            }
        }
    }
}

} // namespace
