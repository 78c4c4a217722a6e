// The Win32 time and C time fields: display texts at the calendar's limits, the texts the parse
// rules accept and refuse, and the C time reading in zones the tests set themselves.
#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>
#include <time.h>
#include <string>

#include "core/app_state.h"
#include "core/field_table.h"
#include "core/make_utc_time.h"
#include "core/memory_boxes.h"
#include "core/time_fields.h"
#include "tests/test_support.h"
#include "tests/zone_override.h"

namespace {

const size_t kTimeCapacity = 30;

RawValue CountValue(uint64_t count) {
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, count, 8);
    return value;
}

std::string Win32TimeText(uint64_t count) {
    RawValue value = CountValue(count);
    char text[kTimeCapacity];
    FormatWin32Time(&value, text, sizeof(text));
    return text;
}

std::string CTimeText(uint64_t bytes) {
    RawValue value = CountValue(bytes);
    char text[kTimeCapacity];
    FormatCTime(&value, text, sizeof(text));
    return text;
}

uint32_t CTimeSeconds(const char *text) {
    RawValue value = ParseCTime(text);
    EXPECT_EQ(LoadLittleEndian(&value, 8) >> 32, 0u) << "bytes 4 to 7 of '" << text << "'";
    return (uint32_t)LoadLittleEndian(&value, 4);
}

struct CountTextRow {
    int line;
    uint64_t count;
    const char *text;
};

const CountTextRow kWin32TimeTexts[] = {
    {__LINE__, 0, "01.01.1601 00:00:00"},
    {__LINE__, 9999999, "01.01.1601 00:00:00"}, // milliseconds and below are not shown
    {__LINE__, 116444736000000000ull, "01.01.1970 00:00:00"},
    {__LINE__, 132223104000000000ull, "01.01.2020 00:00:00"},
    {__LINE__, 133536836967890000ull, "29.02.2024 12:34:56"},
    {__LINE__, 9223149887999990000ull, "31.12.30827 23:59:59"},
    {__LINE__, (1ull << 63) - 1, "14.09.30828 02:48:05"},
    {__LINE__, 1ull << 63, "00.00.0000 00:00:00"},
    {__LINE__, 0x80000000FFFFFFFFull, "00.00.0000 00:00:00"},
    {__LINE__, ~0ull, "00.00.0000 00:00:00"},
};

TEST(Win32TimeDisplay, ShowsTheUtcDateOrZerosBeyondTheLastConvertibleCount) {
    for (const CountTextRow &row : kWin32TimeTexts) {
        EXPECT_EQ(Win32TimeText(row.count), row.text) << "line " << row.line;
    }
}

struct TextBytesRow {
    int line;
    const char *text;
    const char *bytes;
};

const char kZeroBytes[] = "00 00 00 00 00 00 00 00";

const TextBytesRow kWin32TimeParses[] = {
    {__LINE__, "01.01.2020 00:00:00", "00 00 05 69 36 C0 D5 01"},
    {__LINE__, "1.1.1970", "00 80 3E D5 DE B1 9D 01"},
    {__LINE__, "01.01.1601 00:00:00", kZeroBytes},
    {__LINE__, "01.01.1601 00:00:01", "80 96 98 00 00 00 00 00"},
    {__LINE__, "29.02.2024", "00 00 E9 3C A2 6A DA 01"},
    // The year has four characters at most: a fifth digit is read as the hours.
    {__LINE__, "31.12.30827 23:59:59", "00 D8 D4 2A 31 82 7D 06"},
    {__LINE__, " 1. 1.2020\t0:0:0 and more", "00 00 05 69 36 C0 D5 01"},
    // Invalid or missing members give the all-zero value.
    {__LINE__, "29.02.2023", kZeroBytes},
    {__LINE__, "31.04.2024 00:00:00", kZeroBytes},
    {__LINE__, "15.13.2024", kZeroBytes},
    {__LINE__, "01.01.1600", kZeroBytes},
    {__LINE__, "24.12.2024 24:00:00", kZeroBytes},
    {__LINE__, "24.12.2024 23:60:00", kZeroBytes},
    {__LINE__, "24.12.2024 23:59:60", kZeroBytes},
    {__LINE__, "15", kZeroBytes},
    {__LINE__, "15.03", kZeroBytes},
    {__LINE__, "-1.01.2024", kZeroBytes},
    {__LINE__, "", kZeroBytes},
    {__LINE__, "01/01/2020", kZeroBytes},
    // A member keeps the low 16 bits of its number: an hour of -9 is 65527.
    {__LINE__, "01.01.2020 -9:00:00", kZeroBytes},
};

TEST(Win32TimeParse, ValidDatesGiveTheirCountInvalidOnesZero) {
    for (const TextBytesRow &row : kWin32TimeParses) {
        EXPECT_EQ(ByteDump(ParseWin32Time(row.text)), row.bytes)
            << "line " << row.line << ": '" << row.text << "'";
    }
}

const CountTextRow kCTimeTexts[] = {
    {__LINE__, 0, "01.01.1970 00:00:00"},
    {__LINE__, 951782400, "29.02.2000 00:00:00"},
    {__LINE__, 1577836800, "01.01.2020 00:00:00"},
    {__LINE__, 2147483647, "19.01.2038 03:14:07"},
    {__LINE__, 2147483648u, "19.01.2038 03:14:08"},
    {__LINE__, 4107542399u, "28.02.2100 23:59:59"},
    {__LINE__, 4107542400u, "01.03.2100 00:00:00"},
    {__LINE__, 4294967295u, "07.02.2106 06:28:15"},
    // Only bytes 0 to 3 count.
    {__LINE__, 0xFFFFFFFF00000000ull, "01.01.1970 00:00:00"},
};

TEST(CTimeDisplay, ShowsTheUnsignedSecondsAsAUtcDate) {
    for (const CountTextRow &row : kCTimeTexts) {
        EXPECT_EQ(CTimeText(row.count), row.text) << "line " << row.line;
    }
}

class CTimeInZone : public ZoneOverride {};

struct ZoneTextRow {
    int line;
    const char *zone;
    const char *text;
    uint32_t seconds;
};

const ZoneTextRow kCTimeParses[] = {
    {__LINE__, "UTC0", "01.01.2020 00:00:00", 1577836800},
    {__LINE__, "UTC0", "1.1.2020 0:0:0", 1577836800},
    {__LINE__, "UTC0", "19.01.2038 03:14:08", 2147483648u},
    {__LINE__, "UTC0", "07.02.2106 06:28:15", 4294967295u},
    {__LINE__, "UTC0", "07.02.2106 06:28:16", 0},
    // Month 0 is December of the year before; other members carry as mktime carries them.
    {__LINE__, "UTC0", "15.00.2024 00:00:00", 1702598400},
    {__LINE__, "UTC0", "00.03.2024 00:00:00", 1709164800},
    {__LINE__, "UTC0", "15.13.2023 00:00:00", 1705276800},
    {__LINE__, "UTC0", "24.12.2024 24:00:00", 1735084800},
    {__LINE__, "UTC0", "31.12.2024 23:59:60", 1735689600},
    {__LINE__, "UTC0", "-1.01.2024 00:00:00", 1703894400},
    // A negative month is December of the year before too, not carried.
    {__LINE__, "UTC0", "15.-5.2024 00:00:00", 1702598400},
    // From 1900 to 1969 the 32-bit result is negative; before 1900 it is -1.
    {__LINE__, "UTC0", "01.01.1969 00:00:00", 4263431296u},
    {__LINE__, "UTC0", "01.01.1900 00:00:00", 2085978496u},
    {__LINE__, "UTC0", "31.12.1899 23:59:59", 4294967295u},
    {__LINE__, "UTC0", "99.12.1899 00:00:00", 2091767296u},
    {__LINE__, "UTC0", "", 4294967295u},
    {__LINE__, "UTC0", "15.03", 4294967295u},
    {__LINE__, "UTC0", "01.01.2107 00:00:00", 28315904},
    {__LINE__, "UTC0", "01.01.9999 00:00:00", 0xFE130E00},
    // Whole-hour zones without daylight-saving time read the text as UTC.
    {__LINE__, "CET-1", "01.01.2020 00:00:00", 1577836800},
    {__LINE__, "CET-1", "01.07.2020 00:00:00", 1593561600},
    {__LINE__, "CET-1", "01.01.1969 00:00:00", 4263431296u},
    {__LINE__, "CET-1", "01.01.1900 00:00:00", 2085978496u},
    {__LINE__, "CET-1", "", 3599},
    {__LINE__, "CET-1", "31.12.1899 23:59:59", 3599},
    {__LINE__, "EST5", "01.01.2020 00:00:00", 1577836800},
    {__LINE__, "EST5", "", 4294949295u},
    // Half-hour zones: 1800 less than the UTC reading.
    {__LINE__, "IST-5:30", "01.01.2020 00:00:00", 1577835000},
    {__LINE__, "IST-5:30", "", 17999},
    {__LINE__, "NST+3:30", "01.01.2020 00:00:00", 1577835000},
    {__LINE__, "NST+3:30", "", 4294952895u},
    // Daylight-saving time all year, also on 1970-01-02: the hour offset makes up for it.
    {__LINE__, kZoneAlwaysDaylightSaving, "01.01.2020 00:00:00", 1577836800},
    {__LINE__, kZoneAlwaysDaylightSaving, "", 3599},
};

bool ZoneWorksHere(const char *zone) {
    bool hasRules = strchr(zone, ',') != nullptr;
    return kZoneRulesHonoured || !hasRules;
}

TEST_F(CTimeInZone, ReadsTheTextAsLocalTimeCorrectedByTheHourOffset) {
    for (const ZoneTextRow &row : kCTimeParses) {
        if (!ZoneWorksHere(row.zone)) {
            continue;
        }
        UseZone(row.zone);
        EXPECT_EQ(CTimeSeconds(row.text), row.seconds)
            << "line " << row.line << ": '" << row.text << "' in " << row.zone;
    }
}

TEST_F(CTimeInZone, DaylightSavingTimeNowButNotOn2January1970TakesAnHourOff) {
    UseZone(kZoneDaylightSavingButOn2January);
    ASSERT_EQ(LocalHourOffset(), 0);
    time_t now = time(nullptr);
    struct tm local = *localtime(&now);
    uint32_t seconds = CTimeSeconds("01.01.2020 00:00:00");
    // Daylight-saving time is off in this zone for one hour a year only.
    if (local.tm_isdst > 0) {
        EXPECT_EQ(seconds, 1577833200u);
        EXPECT_EQ(CTimeText(seconds), "31.12.2019 23:00:00");
    } else {
        EXPECT_EQ(seconds, 1577836800u);
    }
}

TEST_F(CTimeInZone, TextsTypedAtUtcComeBackAsTyped) {
    UseZone("UTC0");
    const char *texts[] = {"01.01.1970 00:00:00", "29.02.2000 12:34:56", "19.01.2038 03:14:07",
                           "01.03.2100 00:00:00", "07.02.2106 06:28:15"};
    for (const char *text : texts) {
        EXPECT_EQ(CTimeText(CTimeSeconds(text)), text);
    }
}

int SecondOfDay(time_t moment) {
    struct tm utc = *gmtime(&moment);
    return utc.tm_hour * 3600 + utc.tm_min * 60 + utc.tm_sec;
}

TEST_F(CTimeInZone, ADateAloneTakesTheTimeOfDayFromNow) {
    UseZone("UTC0");
    const uint32_t midnight = 1710460800; // 15.03.2024 00:00:00
    time_t before = time(nullptr);
    uint32_t seconds = CTimeSeconds("15.03.2024");
    time_t after = time(nullptr);
    int first = SecondOfDay(before);
    int last = SecondOfDay(after);
    ASSERT_GE(seconds, midnight);
    int taken = (int)(seconds - midnight);
    if (first <= last) {
        EXPECT_TRUE(taken >= first && taken <= last) << taken;
    } else { // midnight passed during the call
        EXPECT_TRUE(taken >= first || taken <= last) << taken;
    }
}

struct ZoneHoursRow {
    int line;
    const char *zone;
    int32_t hours;
};

const ZoneHoursRow kHourOffsets[] = {
    {__LINE__, "UTC0", 0},      {__LINE__, "CET-1", 1},
    {__LINE__, "EST5", -5},     {__LINE__, "IST-5:30", 5},
    {__LINE__, "NST+3:30", -4}, {__LINE__, "XXX-14", 14},
    {__LINE__, "YYY+12", -12},  {__LINE__, kZoneAlwaysDaylightSaving, 1},
};

TEST_F(CTimeInZone, LocalHourOffsetIsTheClockHourOn2January1970) {
    for (const ZoneHoursRow &row : kHourOffsets) {
        if (!ZoneWorksHere(row.zone)) {
            continue;
        }
        UseZone(row.zone);
        EXPECT_EQ(LocalHourOffset(), row.hours) << "line " << row.line << ": " << row.zone;
    }
}

struct BrokenDownRow {
    int line;
    const char *zone;
    int year, month, day, hour, minute, second; // as tm members: years since 1900, months from 0
    int isdst;
    uint32_t seconds;
};

const char kZoneLondonRules[] = "GMT0BST,M3.5.0/1,M10.5.0";

const BrokenDownRow kBrokenDownTimes[] = {
    // tm_isdst is honoured: positive reads the time as daylight-saving time, even in winter.
    {__LINE__, kZoneLondonRules, 120, 0, 1, 0, 0, 0, 1, 1577833200},
    {__LINE__, kZoneLondonRules, 120, 0, 1, 0, 0, 0, 0, 1577836800},
    {__LINE__, kZoneLondonRules, 120, 0, 1, 0, 0, 0, -1, 1577836800},
    {__LINE__, kZoneLondonRules, 120, 6, 1, 0, 0, 0, 1, 1593558000},
    {__LINE__, kZoneLondonRules, 120, 6, 1, 0, 0, 0, 0, 1593561600},
    {__LINE__, kZoneLondonRules, 120, 6, 1, 0, 0, 0, -1, 1593558000},
    // Without rules, for every C library alike where the request settles it.
    {__LINE__, "GMT0BST", 120, 0, 1, 0, 0, 0, 1, 1577833200},
    {__LINE__, "GMT0BST", 120, 6, 1, 0, 0, 0, 1, 1593558000},
    {__LINE__, "GMT0BST", 120, 6, 1, 0, 0, 0, 0, 1593561600},
    // In a zone without daylight-saving time a positive tm_isdst means the usual hour ahead.
    {__LINE__, "UTC0", 120, 0, 1, 0, 0, 0, 1, 1577833200},
    {__LINE__, "CET-1", 120, 0, 1, 0, 0, 0, 1, 1577833200},
    // Members far outside their ranges carry without overflowing.
    {__LINE__, "UTC0", 120, 0, 1, 0, 0, INT_MAX, 0, 3725320447u},
    {__LINE__, "UTC0", 120, INT_MIN, 1, 0, 0, 0, 0, 4294967295u},
    {__LINE__, "UTC0", INT_MAX, 0, 1, 0, 0, 0, 0, 2054387200},
    {__LINE__, "UTC0", INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1, 0xFA4836A3},
    {__LINE__, "CET-1", INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, -1, 3599},
};

TEST_F(CTimeInZone, MakeUtcTimeHonoursTmIsdstAndCarries) {
    for (const BrokenDownRow &row : kBrokenDownTimes) {
        if (!ZoneWorksHere(row.zone)) {
            continue;
        }
        UseZone(row.zone);
        struct tm fields;
        memset(&fields, 0, sizeof(fields));
        fields.tm_year = row.year;
        fields.tm_mon = row.month;
        fields.tm_mday = row.day;
        fields.tm_hour = row.hour;
        fields.tm_min = row.minute;
        fields.tm_sec = row.second;
        fields.tm_isdst = row.isdst;
        EXPECT_EQ((uint32_t)MakeUtcTime(&fields), row.seconds) << "line " << row.line;
    }
}

class TimeBoxes : public ZoneOverride {
  protected:
    void SetUp() override {
        ZoneOverride::SetUp();
        UseZone("UTC0");
        StartBoxesFromZero();
    }
    void TearDown() override {
        ResetMemoryBoxes();
        ResetAppState();
        ZoneOverride::TearDown();
    }
};

TEST_F(TimeBoxes, StartShowsTheEpochsAndEditsReachTheOtherViews) {
    EXPECT_STREQ(BoxText(kFieldWin32Time), "01.01.1601 00:00:00");
    EXPECT_STREQ(BoxText(kFieldCTime), "01.01.1970 00:00:00");

    PasteIntoBox(kFieldWin32Time, "01.01.2020 00:00:00");
    EXPECT_STREQ(BoxText(kFieldHex), "0000056936C0D501");
    EXPECT_STREQ(BoxText(kFieldWin32Time), "01.01.2020 00:00:00");

    PasteIntoBox(kFieldCTime, "01.01.2020 00:00:00");
    EXPECT_STREQ(BoxText(kFieldUint32), "1577836800");
    EXPECT_STREQ(BoxText(kFieldHex), "00E10B5E00000000");
    EXPECT_STREQ(BoxText(kFieldWin32Time), "01.01.1601 00:02:37");

    PasteIntoBox(kFieldUint32, "4294967295");
    EXPECT_STREQ(BoxText(kFieldCTime), "07.02.2106 06:28:15");
}

} // namespace
