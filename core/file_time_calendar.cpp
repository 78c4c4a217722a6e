// FILETIME counts 100-nanosecond intervals since 1601-01-01 00:00:00 UTC.
#include "core/file_time_calendar.h"

#include <stdint.h>

#include "core/calendar.h"

static const uint64_t kTicksPerMillisecond = 10000;
static const uint64_t kTicksPerSecond = 10000000;
static const uint64_t kFirstUnconvertibleCount = (uint64_t)1 << 63;
static const int64_t kFirstYear = 1601;
static const int64_t kLastYear = 30827;

// -DaysFromCivil(1601, 1, 1): 369 years with 89 leap days.
static const int64_t kDaysFrom1601To1970 = 134774;

BOOL CalendarFileTimeToSystemTime(const FILETIME *fileTime, SYSTEMTIME *systemTime) {
    uint64_t count = ((uint64_t)fileTime->dwHighDateTime << 32) | fileTime->dwLowDateTime;
    if (count >= kFirstUnconvertibleCount) {
        return FALSE;
    }
    uint64_t seconds = count / kTicksPerSecond;
    int64_t days = (int64_t)(seconds / kSecondsPerDay) - kDaysFrom1601To1970;
    uint64_t secondOfDay = seconds % kSecondsPerDay;
    CivilDate date = CivilFromDays(days);
    systemTime->wYear = (WORD)date.year;
    systemTime->wMonth = (WORD)date.month;
    systemTime->wDayOfWeek = (WORD)WeekdayFromDays(days);
    systemTime->wDay = (WORD)date.day;
    systemTime->wHour = (WORD)(secondOfDay / 3600);
    systemTime->wMinute = (WORD)(secondOfDay / 60 % 60);
    systemTime->wSecond = (WORD)(secondOfDay % 60);
    systemTime->wMilliseconds = (WORD)(count / kTicksPerMillisecond % 1000);
    return TRUE;
}

bool IsValidSystemTime(const SYSTEMTIME *st) {
    return st->wYear >= kFirstYear && st->wYear <= kLastYear && st->wMonth >= 1 &&
           st->wMonth <= 12 && st->wDay >= 1 && st->wDay <= DaysInMonth(st->wYear, st->wMonth) &&
           st->wHour <= 23 && st->wMinute <= 59 && st->wSecond <= 59 && st->wMilliseconds <= 999;
}

BOOL CalendarSystemTimeToFileTime(const SYSTEMTIME *systemTime, FILETIME *fileTime) {
    if (!IsValidSystemTime(systemTime)) {
        return FALSE;
    }
    const SYSTEMTIME *st = systemTime;
    uint64_t days =
        (uint64_t)(DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kDaysFrom1601To1970);
    uint64_t seconds = days * kSecondsPerDay + st->wHour * 3600u + st->wMinute * 60u + st->wSecond;
    uint64_t count = seconds * kTicksPerSecond + st->wMilliseconds * kTicksPerMillisecond;
    fileTime->dwLowDateTime = (DWORD)count;
    fileTime->dwHighDateTime = (DWORD)(count >> 32);
    return TRUE;
}
