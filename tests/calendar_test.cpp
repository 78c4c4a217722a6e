// The core's calendar and its file-time conversions: day numbers against a day-by-day walk,
// the limits of both conversions, and a round trip over a sample of counts.
#include <gtest/gtest.h>

#include <string.h>

#include "core/calendar.h"
#include "core/file_time_calendar.h"
#include "tests/file_time_support.h"
#include "tests/wine_quirks.h"
#include "win32/win32_api.h"

namespace {

const uint64_t kTicksPerDay = 864000000000ull;
const uint64_t kTicksPerMillisecond = 10000;
const uint64_t kFirstUnconvertible = 1ull << 63;

TEST(Calendar, DayNumbersFollowADayByDayWalkFrom1601) {
    int64_t year = 1601;
    int month = 1;
    int day = 1;
    int weekday = 1; // Monday
    const int64_t first = DaysFromCivil(1601, 1, 1);
    ASSERT_EQ(first, -134774);
    for (int64_t days = first; year < 2500; ++days) {
        CivilDate date = CivilFromDays(days);
        ASSERT_TRUE(date.year == year && date.month == month && date.day == day)
            << days << ": " << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(DaysFromCivil(year, month, day), days);
        ASSERT_EQ(WeekdayFromDays(days), weekday) << days;
        weekday = (weekday + 1) % 7;
        if (++day > DaysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

TEST(Calendar, LeapYearsAndDaysBeyondTheMonth) {
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(1600));
    EXPECT_TRUE(IsLeapYear(-4));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    // Day 0 is the last day of the month before; days count on past the month's end.
    EXPECT_EQ(DaysFromCivil(2024, 3, 0), DaysFromCivil(2024, 2, 29));
    EXPECT_EQ(DaysFromCivil(2023, 12, 32), DaysFromCivil(2024, 1, 1));
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(SecondsFromCivil(1900, 1, 1, 0, 0, 0), -2208988800);
    EXPECT_EQ(SecondsFromCivil(2106, 2, 7, 6, 28, 15), 4294967295);
}

struct Conversions {
    const char *name;
    BOOL (*toSystemTime)(const FILETIME *, SYSTEMTIME *);
    BOOL (*toFileTime)(const SYSTEMTIME *, FILETIME *);
    bool isPlatform;
};

BOOL PlatformToSystemTime(const FILETIME *ft, SYSTEMTIME *st) {
    return FileTimeToSystemTime(ft, st);
}
BOOL PlatformToFileTime(const SYSTEMTIME *st, FILETIME *ft) {
    return SystemTimeToFileTime(st, ft);
}

// The core's own layer, and the functions the program calls by their Win32 names (natively the
// stand-in over the same layer; in a Windows build the platform's).
const Conversions kConversions[] = {
    {"core calendar", CalendarFileTimeToSystemTime, CalendarSystemTimeToFileTime, false},
    {"Win32 names", PlatformToSystemTime, PlatformToFileTime, true},
};

struct ToSystemTimeRow {
    int line;
    uint64_t count;
    bool converts;
    unsigned year, month, weekday, day, hour, minute, second, ms;
};

const ToSystemTimeRow kToSystemTimeRows[] = {
    {__LINE__, 0, true, 1601, 1, 1, 1, 0, 0, 0, 0},
    {__LINE__, 9999, true, 1601, 1, 1, 1, 0, 0, 0, 0},
    {__LINE__, 10000, true, 1601, 1, 1, 1, 0, 0, 0, 1},
    {__LINE__, kTicksPerDay - 1, true, 1601, 1, 1, 1, 23, 59, 59, 999},
    {__LINE__, kTicksPerDay, true, 1601, 1, 2, 2, 0, 0, 0, 0},
    {__LINE__, 116444736000000000ull, true, 1970, 1, 4, 1, 0, 0, 0, 0},
    {__LINE__, 132223104000000000ull, true, 2020, 1, 3, 1, 0, 0, 0, 0},
    {__LINE__, 133536836967890000ull, true, 2024, 2, 4, 29, 12, 34, 56, 789},
    {__LINE__, 9223149887999990000ull, true, 30827, 12, 5, 31, 23, 59, 59, 999},
    {__LINE__, kFirstUnconvertible - 1, true, 30828, 9, 4, 14, 2, 48, 5, 477},
    {__LINE__, kFirstUnconvertible, false, 0, 0, 0, 0, 0, 0, 0, 0},
    {__LINE__, kFirstUnconvertible + 1, false, 0, 0, 0, 0, 0, 0, 0, 0},
    {__LINE__, ~0ull, false, 0, 0, 0, 0, 0, 0, 0, 0},
};

TEST(FileTimeConversion, FileTimeToSystemTimeLimits) {
    for (const Conversions &use : kConversions) {
        for (const ToSystemTimeRow &row : kToSystemTimeRows) {
            FILETIME ft = FileTimeOf(row.count);
            SYSTEMTIME st;
            memset(&st, 0xA5, sizeof(st));
            BOOL converted = use.toSystemTime(&ft, &st);
            const char *where = use.name;
            ASSERT_EQ(converted != FALSE, row.converts) << where << " line " << row.line;
            if (!row.converts) {
                SYSTEMTIME untouched;
                memset(&untouched, 0xA5, sizeof(untouched));
                EXPECT_EQ(memcmp(&st, &untouched, sizeof(st)), 0) << where << " line " << row.line;
                continue;
            }
            EXPECT_TRUE(st.wYear == row.year && st.wMonth == row.month && st.wDay == row.day &&
                        st.wDayOfWeek == row.weekday && st.wHour == row.hour &&
                        st.wMinute == row.minute && st.wSecond == row.second &&
                        st.wMilliseconds == row.ms)
                << where << " line " << row.line << ": " << st.wYear << "-" << st.wMonth << "-"
                << st.wDay << " (" << st.wDayOfWeek << ") " << st.wHour << ":" << st.wMinute << ":"
                << st.wSecond << "." << st.wMilliseconds;
        }
    }
}

struct ToFileTimeRow {
    int line;
    SYSTEMTIME st;
    bool converts;
    uint64_t count;
};

const ToFileTimeRow kToFileTimeRows[] = {
    {__LINE__, SystemTimeOf(1601, 1, 1, 0, 0, 0, 0), true, 0},
    {__LINE__, SystemTimeOf(1600, 12, 31, 23, 59, 59, 999), false, 0},
    {__LINE__, SystemTimeOf(0, 1, 1, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2020, 1, 1, 0, 0, 0, 0), true, 132223104000000000ull},
    {__LINE__, SystemTimeOf(2024, 2, 29, 12, 34, 56, 789), true, 133536836967890000ull},
    // The day of the week is ignored, whatever it holds.
    {__LINE__, SystemTimeOf(2020, 1, 1, 0, 0, 0, 0, 0xFFFF), true, 132223104000000000ull},
    {__LINE__, SystemTimeOf(30827, 12, 31, 23, 59, 59, 999), true, 9223149887999990000ull},
    {__LINE__, SystemTimeOf(30828, 1, 1, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(30828, 9, 14, 2, 48, 5, 477), false, 0},
    {__LINE__, SystemTimeOf(0xFFFF, 1, 1, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 0, 1, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 13, 1, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 1, 0, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 1, 32, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 4, 31, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2023, 2, 29, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(1900, 2, 29, 0, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2000, 2, 29, 0, 0, 0, 0), true, 125962560000000000ull},
    {__LINE__, SystemTimeOf(2024, 12, 24, 24, 0, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 12, 24, 0, 60, 0, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 12, 24, 0, 0, 60, 0), false, 0},
    {__LINE__, SystemTimeOf(2024, 12, 24, 0, 0, 0, 1000), false, 0},
    {__LINE__, SystemTimeOf(2024, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF), false, 0},
};

TEST(FileTimeConversion, SystemTimeToFileTimeAcceptsOnlyValidMembers) {
    const uint64_t untouched = 0x0123456789ABCDEFull;
    for (const Conversions &use : kConversions) {
        for (const ToFileTimeRow &row : kToFileTimeRows) {
            if (use.isPlatform && RunningUnderWine() && IsWineSystemTimeQuirk(row.st)) {
                continue;
            }
            FILETIME ft = FileTimeOf(untouched);
            BOOL converted = use.toFileTime(&row.st, &ft);
            ASSERT_EQ(converted != FALSE, row.converts) << use.name << " line " << row.line;
            EXPECT_EQ(CountOf(ft), row.converts ? row.count : untouched)
                << use.name << " line " << row.line;
        }
    }
}

// A count's date and time of day convert back to the same count, cut to milliseconds.
TEST(FileTimeConversion, RoundTripOverASampleOfCounts) {
    uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 200000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        uint64_t count = (state >> 1) >> (i % 16); // below 2^63, small counts too
        FILETIME ft = FileTimeOf(count);
        SYSTEMTIME st;
        ASSERT_TRUE(CalendarFileTimeToSystemTime(&ft, &st)) << count;
        ASSERT_EQ(st.wDayOfWeek, (count / kTicksPerDay + 1) % 7) << count;
        FILETIME back = FileTimeOf(0);
        BOOL converted = CalendarSystemTimeToFileTime(&st, &back);
        if (st.wYear == 30828) {
            ASSERT_FALSE(converted) << count; // the last year that converts one way only
            continue;
        }
        ASSERT_TRUE(converted) << count;
        ASSERT_EQ(CountOf(back), count - count % kTicksPerMillisecond) << count;
    }
}

} // namespace
