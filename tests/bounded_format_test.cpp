// FormatBounded at the edge of its buffer. The C libraries differ exactly here: glibc's
// vsnprintf reports the full length of a cut text, msvcrt's reports -1, and for a text of
// exactly the buffer's size it writes no terminator at all. The result must not differ.
#include <gtest/gtest.h>

#include <string.h>

#include "core/bounded_format.h"

namespace {

struct Case {
    int line;
    size_t capacity;
    unsigned number;
    const char *text; // the buffer's text afterwards; "" when it does not fit
};

const Case kCases[] = {
    {__LINE__, 8, 7, "7"},    {__LINE__, 4, 123, "123"}, // the terminator takes the last byte
    {__LINE__, 4, 1234, ""}, // four characters and no room for the terminator
    {__LINE__, 4, 12345, ""}, {__LINE__, 4, 4294967295u, ""},
    {__LINE__, 1, 0, ""},     {__LINE__, 11, 4294967295u, "4294967295"},
};

TEST(FormatBounded, GivesTheWholeTextOrNothingInAZeroFilledBuffer) {
    for (const Case &c : kCases) {
        char buffer[16];
        memset(buffer, 'x', sizeof(buffer));
        size_t length = FormatBounded(buffer, c.capacity, "%u", c.number);
        EXPECT_STREQ(buffer, c.text) << "line " << c.line;
        EXPECT_EQ(length, strlen(c.text)) << "line " << c.line;
        for (size_t i = strlen(c.text); i < c.capacity; ++i) {
            EXPECT_EQ(buffer[i], '\0') << "byte " << i << ", line " << c.line;
        }
        for (size_t i = c.capacity; i < sizeof(buffer); ++i) {
            EXPECT_EQ(buffer[i], 'x') << "written past the buffer at " << i << ", line " << c.line;
        }
    }
}

TEST(FormatBounded, LeavesABufferOfNoBytesAlone) {
    char buffer[2] = {'x', 'x'};
    EXPECT_EQ(FormatBounded(buffer, 0, "%u", 5u), 0u);
    EXPECT_EQ(buffer[0], 'x');
}

// The 64-bit conversions that both libraries must print alike.
TEST(FormatBounded, PrintsSixtyFourBitNumbersInFull) {
    char buffer[32];
    FormatBounded(buffer, sizeof(buffer), "%llu", 18446744073709551615ull);
    EXPECT_STREQ(buffer, "18446744073709551615");
    FormatBounded(buffer, sizeof(buffer), "%lld", -9223372036854775807ll - 1);
    EXPECT_STREQ(buffer, "-9223372036854775808");
    FormatBounded(buffer, sizeof(buffer), "%02X%02X", 0xABu, 0x5u);
    EXPECT_STREQ(buffer, "AB05");
}

} // namespace
