// The HEX field's pair reading: signs, partial digits and white space that shifts the span.
#include <gtest/gtest.h>

#include "core/field_table.h"
#include "tests/test_support.h"

namespace {

struct HexCase {
    int line;
    const char *text;
    const char *bytes;
};

const HexCase kHexCases[] = {
    {__LINE__, "1A2b", "1A 2B 00 00 00 00 00 00"},
    {__LINE__, "123", "12 00 00 00 00 00 00 00"},
    {__LINE__, "ABCDEFGHIJKLMNOP", "AB CD EF 00 00 00 00 00"},
    {__LINE__, "0123456789abcdef", "01 23 45 67 89 AB CD EF"},
    {__LINE__, "0123456789abcdef0102", "01 23 45 67 89 AB CD EF"},
    {__LINE__, "0x", "00 00 00 00 00 00 00 00"},
    {__LINE__, "0X", "00 00 00 00 00 00 00 00"},
    {__LINE__, "x1", "00 00 00 00 00 00 00 00"},
    {__LINE__, "5G", "05 00 00 00 00 00 00 00"},
    {__LINE__, "G5", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-1", "FF 00 00 00 00 00 00 00"},
    {__LINE__, "-5", "FB 00 00 00 00 00 00 00"},
    {__LINE__, "+F", "0F 00 00 00 00 00 00 00"},
    {__LINE__, "-G", "00 00 00 00 00 00 00 00"},
    {__LINE__, "+-1", "00 00 00 00 00 00 00 00"},
    {__LINE__, "-0", "00 00 00 00 00 00 00 00"},
    {__LINE__, " 5A3", "5A A3 00 00 00 00 00 00"},
    {__LINE__, "        12345678", "12 12 12 12 12 34 56 78"},
    // The span may end at the text's end: pair 1 of "12 " skips the blank and reads nothing.
    {__LINE__, "12  ", "12 00 00 00 00 00 00 00"},
    {__LINE__, "1\t\n", "01 00 00 00 00 00 00 00"},
    {__LINE__, "", "00 00 00 00 00 00 00 00"},
    {__LINE__, "F", "00 00 00 00 00 00 00 00"},
};

TEST(HexParse, ReadsEachPairAsItsScanDoes) {
    for (const HexCase &c : kHexCases) {
        EXPECT_EQ(ByteDump(ParseField(kFieldHex, c.text)), c.bytes)
            << "line " << c.line << ": '" << c.text << "'";
    }
}

TEST(HexDisplay, RoundTripsEveryByteValue) {
    for (unsigned b = 0; b < 256; ++b) {
        RawValue value = ValueOf({b, 255 - b, b ^ 0x5A, 0, 1, 2, 3, b});
        char text[kMaxDisplayCapacity];
        FormatField(FindField(kFieldHex), &value, text);
        ASSERT_EQ(strlen(text), 16u);
        EXPECT_EQ(ByteDump(ParseField(kFieldHex, text)), ByteDump(value)) << text;
    }
}

} // namespace
