// Day numbers of the proleptic Gregorian calendar, counted in 400-year eras of 146097 days that
// start on 1 March, so the leap day falls at the end of each era's year.
#include "core/calendar.h"

static const int64_t kDaysPerEra = 146097;
static const int64_t kDaysFromEraStartTo1970 = 719468; // 0000-03-01 to 1970-01-01

bool IsLeapYear(int64_t year) {
    return FloorModulo(year, 4) == 0 &&
           (FloorModulo(year, 100) != 0 || FloorModulo(year, 400) == 0);
}

int DaysInMonth(int64_t year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kDays[month - 1];
}

int64_t DaysFromCivil(int64_t year, int month, int64_t day) {
    int64_t marchYear = month <= 2 ? year - 1 : year;
    int64_t era = FloorDivide(marchYear, 400);
    int64_t yearOfEra = marchYear - era * 400;                  // 0 to 399
    int64_t monthFromMarch = month > 2 ? month - 3 : month + 9; // 0 to 11
    int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kDaysFromEraStartTo1970;
}

CivilDate CivilFromDays(int64_t days) {
    int64_t shifted = days + kDaysFromEraStartTo1970;
    int64_t era = FloorDivide(shifted, kDaysPerEra);
    int64_t dayOfEra = shifted - era * kDaysPerEra; // 0 to 146096
    int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365; // 0 to 399
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t monthFromMarch = (5 * dayOfYear + 2) / 153; // 0 to 11
    CivilDate date;
    date.day = (int)(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = (int)(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = era * 400 + yearOfEra + (date.month <= 2 ? 1 : 0);
    return date;
}

int WeekdayFromDays(int64_t days) {
    const int64_t kThursday = 4; // 1970-01-01
    return (int)FloorModulo(days + kThursday, 7);
}
