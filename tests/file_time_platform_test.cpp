// Windows builds only: the platform's FileTimeToSystemTime and SystemTimeToFileTime agree with
// the core's own calendar on a large sample of values, the limits and invalid members included.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>
#include <string>

#include "core/file_time_calendar.h"
#include "tests/file_time_support.h"
#include "tests/wine_quirks.h"
#include "win32/win32_api.h"

namespace {

struct Generator {
    uint64_t state;
    uint64_t Next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state;
    }
};

std::string Describe(const SYSTEMTIME &st) {
    char text[80];
    snprintf(text, sizeof(text), "%u-%u-%u (%u) %u:%u:%u.%u", st.wYear, st.wMonth, st.wDay,
             st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    return text;
}

void ExpectSameSystemTime(uint64_t count) {
    FILETIME ft = FileTimeOf(count);
    SYSTEMTIME platform;
    SYSTEMTIME core;
    memset(&platform, 0xA5, sizeof(platform));
    memset(&core, 0xA5, sizeof(core));
    BOOL platformConverted = FileTimeToSystemTime(&ft, &platform);
    BOOL coreConverted = CalendarFileTimeToSystemTime(&ft, &core);
    ASSERT_EQ(platformConverted != FALSE, coreConverted != FALSE) << count;
    ASSERT_EQ(memcmp(&platform, &core, sizeof(core)), 0)
        << count << ": platform " << Describe(platform) << ", core " << Describe(core);
}

void ExpectSameFileTime(const SYSTEMTIME &st) {
    if (RunningUnderWine() && IsWineSystemTimeQuirk(st)) {
        return;
    }
    const uint64_t untouched = 0x0123456789ABCDEFull;
    FILETIME platform = FileTimeOf(untouched);
    FILETIME core = FileTimeOf(untouched);
    BOOL platformConverted = SystemTimeToFileTime(&st, &platform);
    BOOL coreConverted = CalendarSystemTimeToFileTime(&st, &core);
    ASSERT_EQ(platformConverted != FALSE, coreConverted != FALSE) << Describe(st);
    ASSERT_EQ(CountOf(platform), CountOf(core)) << Describe(st);
}

TEST(PlatformFileTime, FileTimeToSystemTimeAgreesWithTheCore) {
    const uint64_t kTicksPerDay = 864000000000ull;
    const uint64_t kLimit = 1ull << 63;
    const uint64_t limits[] = {
        0,          1,      9999,       10000, kTicksPerDay - 1,      kTicksPerDay,
        kLimit - 1, kLimit, kLimit + 1, ~0ull, 116444736000000000ull, 9223149887999990000ull};
    for (uint64_t count : limits) {
        ExpectSameSystemTime(count);
    }
    Generator random = {0x0DDB1A5E5BAD5EEDull};
    for (int i = 0; i < 300000; ++i) {
        uint64_t bits = random.Next();
        // Every magnitude, both sides of 2^63, and counts near the day boundaries.
        uint64_t count = bits >> (i % 24);
        if (i % 5 == 0) {
            count = (count / kTicksPerDay) * kTicksPerDay + (i % 3 == 0 ? 0 : kTicksPerDay - 1);
        }
        ExpectSameSystemTime(count);
    }
}

TEST(PlatformFileTime, SystemTimeToFileTimeAgreesWithTheCore) {
    const unsigned years[] = {0,    1600, 1601, 1602,  1900,  2000,
                              2023, 2024, 2100, 30827, 30828, 65535};
    for (unsigned year : years) {
        for (unsigned month = 0; month <= 13; ++month) {
            for (unsigned day = 0; day <= 32; ++day) {
                ExpectSameFileTime(SystemTimeOf(year, month, day, 0, 0, 0, 0, 0));
                ExpectSameFileTime(SystemTimeOf(year, month, day, 23, 59, 59, 999, 6));
            }
        }
    }
    const unsigned badTimes[][4] = {
        {24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {65535, 65535, 65535, 65535}};
    for (const unsigned *t : badTimes) {
        ExpectSameFileTime(SystemTimeOf(2024, 6, 15, t[0], t[1], t[2], t[3], 0));
    }
    Generator random = {0x5EED0F5EED0F5EEDull};
    for (int i = 0; i < 300000; ++i) {
        uint64_t a = random.Next();
        uint64_t b = random.Next();
        // Mostly members near their ranges, sometimes anything at all.
        bool wild = i % 8 == 0;
        SYSTEMTIME st =
            SystemTimeOf(wild ? (unsigned)(a & 0xFFFF) : 1595 + (unsigned)((a >> 16) % 29240),
                         wild ? (unsigned)((a >> 16) & 0xFFFF) : (unsigned)((a >> 32) % 14),
                         wild ? (unsigned)((a >> 32) & 0xFFFF) : (unsigned)((a >> 40) % 33),
                         (unsigned)(b % 25), (unsigned)((b >> 8) % 61), (unsigned)((b >> 16) % 61),
                         (unsigned)((b >> 24) % 1001), (unsigned)((b >> 40) & 0xFFFF));
        ExpectSameFileTime(st);
    }
}

} // namespace
