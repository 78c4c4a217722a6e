// The core's own file-time conversions over every day from 1601 to 30827 and over many counts
// below 2^63. Every day is walked with a calendar of this program's own (day by day, month by
// month) and checked both ways at a time of day that changes from day to day; random counts
// must convert to a valid date and back to the same count cut to whole milliseconds.
//
//   file_time_sweep [RANDOM-COUNTS]     (10,000,000 unless given)
//
// Prints what it checked and each mismatch (the first few); exit status 1 on any mismatch.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>

#include "core/file_time_calendar.h"

namespace {

const uint64_t kTicksPerMillisecond = 10000;
const uint64_t kTicksPerDay = 864000000000ull;

long g_mismatches = 0;

void Mismatch(const char *what, uint64_t count, const SYSTEMTIME &st) {
    if (++g_mismatches <= 20) {
        printf("MISMATCH %s: count %llu, %04u-%02u-%02u (weekday %u) %02u:%02u:%02u.%03u\n", what,
               (unsigned long long)count, st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour,
               st.wMinute, st.wSecond, st.wMilliseconds);
    }
}

bool IsLeap(unsigned year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

unsigned DaysIn(unsigned year, unsigned month) {
    static const unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

FILETIME FileTimeOf(uint64_t count) {
    FILETIME fileTime;
    fileTime.dwLowDateTime = (DWORD)count;
    fileTime.dwHighDateTime = (DWORD)(count >> 32);
    return fileTime;
}

uint64_t CountOf(const FILETIME &fileTime) {
    return ((uint64_t)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime;
}

bool SameMoment(const SYSTEMTIME &a, const SYSTEMTIME &b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

// One day, checked both ways at a time of day chosen from the day number, and its neighbours
// that do not exist (day 0 and the day after the month's last) refused.
void CheckDay(unsigned year, unsigned month, unsigned day, uint64_t dayNumber) {
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)(dayNumber % 24);
    st.wMinute = (WORD)(dayNumber * 7 % 60);
    st.wSecond = (WORD)(dayNumber * 13 % 60);
    st.wMilliseconds = (WORD)(dayNumber * 37 % 1000);
    st.wDayOfWeek = 9; // ignored on the way in
    uint64_t expected =
        dayNumber * kTicksPerDay +
        ((st.wHour * 3600u + st.wMinute * 60u + st.wSecond) * 1000u + st.wMilliseconds) *
            kTicksPerMillisecond;
    FILETIME fileTime = {0xAAAAAAAAu, 0xAAAAAAAAu};
    if (!CalendarSystemTimeToFileTime(&st, &fileTime) || CountOf(fileTime) != expected) {
        Mismatch("date to count", expected, st);
        return;
    }
    SYSTEMTIME back;
    memset(&back, 0xAA, sizeof(back));
    // 1601-01-01 was a Monday (1).
    if (!CalendarFileTimeToSystemTime(&fileTime, &back) || !SameMoment(back, st) ||
        back.wDayOfWeek != (dayNumber + 1) % 7) {
        Mismatch("count to date", expected, back);
    }
    if (day == 1 || day == DaysIn(year, month)) {
        SYSTEMTIME missing = st;
        missing.wDay = (WORD)(day == 1 ? 0 : day + 1);
        FILETIME untouched = {0x12345678u, 0x9ABCDEF0u};
        if (CalendarSystemTimeToFileTime(&missing, &untouched) ||
            untouched.dwLowDateTime != 0x12345678u || untouched.dwHighDateTime != 0x9ABCDEF0u) {
            Mismatch("a day that does not exist accepted", CountOf(untouched), missing);
        }
    }
}

long CheckEveryDay() {
    uint64_t dayNumber = 0;
    for (unsigned year = 1601; year <= 30827; ++year) {
        for (unsigned month = 1; month <= 12; ++month) {
            for (unsigned day = 1; day <= DaysIn(year, month); ++day) {
                CheckDay(year, month, day, dayNumber++);
            }
        }
    }
    return (long)dayNumber;
}

bool IsValidDate(const SYSTEMTIME &st) {
    return st.wYear >= 1601 && st.wYear <= 30828 && st.wMonth >= 1 && st.wMonth <= 12 &&
           st.wDay >= 1 && st.wDay <= DaysIn(st.wYear, st.wMonth) && st.wHour < 24 &&
           st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000 && st.wDayOfWeek < 7;
}

// Counts below 2^63 convert and come back cut to whole milliseconds (the year 30828 is beyond
// what SystemTimeToFileTime takes); counts from 2^63 on are refused and leave the record alone.
void CheckCount(uint64_t count) {
    FILETIME fileTime = FileTimeOf(count);
    SYSTEMTIME st;
    memset(&st, 0xAA, sizeof(st));
    BOOL converted = CalendarFileTimeToSystemTime(&fileTime, &st);
    if (count >> 63) {
        SYSTEMTIME untouched;
        memset(&untouched, 0xAA, sizeof(untouched));
        if (converted || memcmp(&st, &untouched, sizeof(st)) != 0) {
            Mismatch("a count of 2^63 or more converted", count, st);
        }
        return;
    }
    if (!converted || !IsValidDate(st)) {
        Mismatch("count to date", count, st);
        return;
    }
    FILETIME back = {0, 0};
    BOOL returned = CalendarSystemTimeToFileTime(&st, &back);
    if (st.wYear == 30828) {
        if (returned) {
            Mismatch("the year 30828 accepted", count, st);
        }
    } else if (!returned || CountOf(back) != count - count % kTicksPerMillisecond) {
        Mismatch("count to date and back", count, st);
    }
}

} // namespace

int main(int argc, char **argv) {
    long samples = argc > 1 ? atol(argv[1]) : 10000000;
    if (samples < 0) {
        fprintf(stderr, "usage: file_time_sweep [RANDOM-COUNTS]\n");
        return 2;
    }
    long days = CheckEveryDay();
    std::mt19937_64 random(0xF11E7135u);
    const uint64_t kEdges[] = {
        0, 1, 9999, 10000, kTicksPerDay - 1, (1ull << 63) - 1, 1ull << 63, UINT64_MAX};
    for (uint64_t count : kEdges) {
        CheckCount(count);
    }
    for (long i = 0; i < samples; ++i) {
        uint64_t count = random();
        // Mostly below 2^63, of every size; one in sixteen from 2^63 on.
        CheckCount(i % 16 == 0 ? count | (1ull << 63) : (count >> 1) >> (random() % 64));
    }
    printf("file times: %ld days from 1601 to 30827, %ld random counts, %ld mismatches\n", days,
           samples, g_mismatches);
    return g_mismatches == 0 ? 0 : 1;
}
