// The time scan: which numbers "%02u.%02u.%04u %02u:%02u:%02u" reads from a text, and where it
// stops.
#include <gtest/gtest.h>

#include "core/time_scan.h"

namespace {

struct ScanRow {
    int line;
    const char *text;
    int count;
    uint32_t numbers[kTimeScanNumbers];
};

const uint32_t kUnset = 0xDEADBEEF;
const uint32_t kMinusOne = 4294967295u;

const ScanRow kScanRows[] = {
    {__LINE__, "1.2.2020 3:4:5", 6, {1, 2, 2020, 3, 4, 5}},
    {__LINE__, "01.01.2020 00:00:00", 6, {1, 1, 2020, 0, 0, 0}},
    {__LINE__, "15.03.2024", 3, {15, 3, 2024}},
    {__LINE__, "123.04.2024", 1, {12}},
    {__LINE__, "01/02/2020", 1, {1}},
    {__LINE__, "", 0, {}},
    {__LINE__, "15", 1, {15}},
    {__LINE__, "15.03", 2, {15, 3}},
    // White space before a number is skipped and does not count towards the width.
    {__LINE__, " \t\n12.\v\f\r03. 2024", 3, {12, 3, 2024}},
    // ...but a literal must meet its character at once.
    {__LINE__, "12 .03.2024", 1, {12}},
    {__LINE__, "12.03.2024 10 :11", 4, {12, 3, 2024, 10}},
    // The blank before the hours matches any run of white space, also none.
    {__LINE__, "12.03.202410:11:12", 6, {12, 3, 2024, 10, 11, 12}},
    {__LINE__, "12.03.2024\t\r\n 10:11:12", 6, {12, 3, 2024, 10, 11, 12}},
    // A fifth year digit is the hours.
    {__LINE__, "12.03.20245:6", 5, {12, 3, 2024, 5, 6}},
    // The sign counts towards the width; a minus negates modulo 2^32.
    {__LINE__, "-1.01.2024", 3, {kMinusOne, 1, 2024}},
    {__LINE__, "+5.+1.+202", 3, {5, 1, 202}},
    {__LINE__, "+12.1", 1, {1}},
    {__LINE__, "-9.-8.-999 -1:-2:-3", 6, {0u - 9, 0u - 8, 0u - 999, kMinusOne, 0u - 2, 0u - 3}},
    {__LINE__, "-", 0, {}},
    {__LINE__, "-.1", 0, {}},
    {__LINE__, "1.-", 1, {1}},
    {__LINE__, "+ 1", 0, {}},
    {__LINE__, "x1", 0, {}},
    // The seconds end the scan: what follows is ignored.
    {__LINE__, "1.2.3 4:5:678", 6, {1, 2, 3, 4, 5, 67}},
    // Texts as the fields show them, and texts that differ from that form in one place.
    {__LINE__, "07.02.2106 06:28:15", 6, {7, 2, 2106, 6, 28, 15}},
    {__LINE__, "99.99.9999 99:99:99x", 6, {99, 99, 9999, 99, 99, 99}},
    {__LINE__, "14.09.30828 02:48:05", 4, {14, 9, 3082, 8}},
    {__LINE__, "01.01.2020  00:00:00", 6, {1, 1, 2020, 0, 0, 0}},
    {__LINE__, "01.01.2020\t00:00:00", 6, {1, 1, 2020, 0, 0, 0}},
    {__LINE__, "01.01.2020 00:00:0", 6, {1, 1, 2020, 0, 0, 0}},
    {__LINE__, "01.01.2020 00:00:-1", 6, {1, 1, 2020, 0, 0, kMinusOne}},
    {__LINE__, "01.01.2020 00:00", 5, {1, 1, 2020, 0, 0}},
    {__LINE__, "01.01.2020 00.00:00", 4, {1, 1, 2020, 0}},
    {__LINE__, "0a.01.2020 00:00:00", 1, {0}},
    {__LINE__, "01,01.2020 00:00:00", 1, {1}},
    {__LINE__, " 01.01.2020 00:00:00", 6, {1, 1, 2020, 0, 0, 0}},
};

TEST(TimeScan, ReadsNumbersUntilTheFirstMismatch) {
    for (const ScanRow &row : kScanRows) {
        uint32_t numbers[kTimeScanNumbers];
        for (uint32_t &n : numbers) {
            n = kUnset;
        }
        int count = ScanTimeText(row.text, numbers);
        ASSERT_EQ(count, row.count) << "line " << row.line << ": '" << row.text << "'";
        for (int i = 0; i < kTimeScanNumbers; ++i) {
            uint32_t expected = i < row.count ? row.numbers[i] : kUnset;
            EXPECT_EQ(numbers[i], expected) << "line " << row.line << ", number " << i;
        }
    }
}

} // namespace
