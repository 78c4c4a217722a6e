// The stand-in's file-time types and conversions (native builds only).
#pragma once

#include "win32/standin_types.h"

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// The UTC date and time of day of a count below 2^63 (wDayOfWeek: 0 Sunday, 1601-01-01 a
// Monday); FALSE with 'systemTime' untouched for 2^63 and above.
BOOL WINAPI FileTimeToSystemTime(const FILETIME *fileTime, SYSTEMTIME *systemTime);

// The count of a valid date from 1601 to 30827 and time of day (wDayOfWeek ignored); FALSE with
// 'fileTime' untouched for anything else.
BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME *systemTime, FILETIME *fileTime);
