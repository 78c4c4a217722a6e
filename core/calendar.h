// The proleptic Gregorian calendar as day numbers, the same on every platform and for any year.
#pragma once

#include <stdint.h>

enum { kSecondsPerDay = 86400 };

struct CivilDate {
    int64_t year;
    int month; // 1 to 12
    int day;   // 1 to 31
};

bool IsLeapYear(int64_t year);

// Days in 'month' (1 to 12) of 'year'.
int DaysInMonth(int64_t year, int month);

// Days from 1970-01-01 to the date (negative before it), for years within +-2^40. The month must
// be 1 to 12; the day may lie outside the month and counts on from its first day.
int64_t DaysFromCivil(int64_t year, int month, int64_t day);

// Seconds from 1970-01-01 00:00:00 to the date and time of day as written, without any zone.
// Day, hours, minutes and seconds outside their ranges count on into the larger units.
inline int64_t SecondsFromCivil(int64_t year, int month, int64_t day, int64_t hour, int64_t minute,
                                int64_t second) {
    return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

// The date 'days' days after 1970-01-01.
CivilDate CivilFromDays(int64_t days);

// 0 Sunday to 6 Saturday.
int WeekdayFromDays(int64_t days);

// Division and remainder rounding towards minus infinity, for counts before 1970.
inline int64_t FloorDivide(int64_t number, int64_t divisor) {
    int64_t quotient = number / divisor;
    return (number % divisor < 0) ? quotient - 1 : quotient;
}

inline int64_t FloorModulo(int64_t number, int64_t divisor) {
    int64_t remainder = number % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}
