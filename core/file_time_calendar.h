// The file-time conversions as the program expects them of FileTimeToSystemTime and
// SystemTimeToFileTime, computed with the core's own calendar.
#pragma once

#include "win32/win32_api.h"

// Counts below 2^63 give the UTC date and time of day (wDayOfWeek included) and TRUE; larger
// counts give FALSE and leave 'systemTime' untouched.
BOOL CalendarFileTimeToSystemTime(const FILETIME *fileTime, SYSTEMTIME *systemTime);

// True for a date from 1601 to 30827 that exists and a time of day from 00:00:00.000 to
// 23:59:59.999; wDayOfWeek is ignored.
bool IsValidSystemTime(const SYSTEMTIME *systemTime);

// A valid date from 1601 to 30827 and time of day gives its count and TRUE; anything else gives
// FALSE and leaves 'fileTime' untouched. wDayOfWeek is ignored.
BOOL CalendarSystemTimeToFileTime(const SYSTEMTIME *systemTime, FILETIME *fileTime);
