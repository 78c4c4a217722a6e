// The time fields: the Win32 time field reads all eight bytes as a FILETIME, the C time field
// bytes 0 to 3 as seconds since 1970; both show the moment in UTC as "dd.mm.yyyy hh:mm:ss".
#include "core/time_fields.h"

#include "core/local_zone.h"

#include <string.h>
#include <time.h>

#include "core/bounded_format.h"
#include "core/calendar.h"
#include "core/file_time_calendar.h"
#include "core/make_utc_time.h"
#include "core/time_scan.h"
#include "win32/win32_api.h"

static const char kTimeFormat[] = "%02d.%02d.%04d %02d:%02d:%02d";

void FormatWin32Time(const RawValue *value, char *text, size_t capacity) {
    uint64_t count = LoadLittleEndian(value, 8);
    FILETIME fileTime;
    fileTime.dwLowDateTime = (DWORD)count;
    fileTime.dwHighDateTime = (DWORD)(count >> 32);
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    // A count of 2^63 or more leaves the record all zeros: '00.00.0000 00:00:00'.
    FileTimeToSystemTime(&fileTime, &st);
    FormatBounded(text, capacity, kTimeFormat, (int)st.wDay, (int)st.wMonth, (int)st.wYear,
                  (int)st.wHour, (int)st.wMinute, (int)st.wSecond);
}

RawValue ParseWin32Time(const char *text) {
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    uint32_t numbers[kTimeScanNumbers];
    int count = ScanTimeText(text, numbers);
    WORD *members[kTimeScanNumbers] = {&st.wDay,  &st.wMonth,  &st.wYear,
                                       &st.wHour, &st.wMinute, &st.wSecond};
    for (int i = 0; i < count; ++i) {
        *members[i] = (WORD)numbers[i];
    }
    FILETIME fileTime = {0, 0};
    // An invalid or missing member leaves the output untouched: the all-zero value. The record
    // is checked here as well, because Wine's SystemTimeToFileTime accepts 29 February of every
    // year and years after 30827, which Windows refuses.
    if (IsValidSystemTime(&st)) {
        SystemTimeToFileTime(&st, &fileTime);
    }
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, ((uint64_t)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime,
                      8);
    return value;
}

// strftime("%d.%m.%Y %T") of gmtime, with the core's calendar: the C libraries differ in %T and
// in the range of gmtime.
void FormatCTime(const RawValue *value, char *text, size_t capacity) {
    uint32_t seconds = (uint32_t)LoadLittleEndian(value, 4);
    CivilDate date = CivilFromDays(seconds / kSecondsPerDay);
    uint32_t secondOfDay = seconds % kSecondsPerDay;
    FormatBounded(text, capacity, kTimeFormat, date.day, date.month, (int)date.year,
                  (int)(secondOfDay / 3600), (int)(secondOfDay / 60 % 60), (int)(secondOfDay % 60));
}

// The current local time, tm_isdst included; 1970-01-01 00:00:00 if the C library has none.
static struct tm CurrentLocalTime() {
    struct tm now;
    memset(&now, 0, sizeof(now));
    now.tm_mday = 1;
    now.tm_year = 70;
    time_t moment = time(nullptr);
    struct tm local;
    if (LocalTimeOf(moment, &local)) {
        now = local;
    }
    return now;
}

// Members not in the text keep the current local time's values; the year and month corrections
// apply whether or not they were read, so a text without a year lies before 1900.
RawValue ParseCTime(const char *text) {
    struct tm fields = CurrentLocalTime();
    uint32_t numbers[kTimeScanNumbers];
    int count = ScanTimeText(text, numbers);
    int *members[kTimeScanNumbers] = {&fields.tm_mday, &fields.tm_mon, &fields.tm_year,
                                      &fields.tm_hour, &fields.tm_min, &fields.tm_sec};
    for (int i = 0; i < count; ++i) {
        *members[i] = (int32_t)numbers[i];
    }
    // A scanned number has at most four characters and the current year is small: no overflow.
    fields.tm_year -= 1900;
    if (fields.tm_mon > 0) {
        fields.tm_mon -= 1;
    } else {
        // Month 0 (or a negative month) is December of the year before.
        fields.tm_year -= 1;
        fields.tm_mon = 11;
    }
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, (uint32_t)MakeUtcTime(&fields), 4);
    return value;
}
