// The C time field's reading of a broken-down local time as seconds, and the hour correction
// that goes with it.
#pragma once

#include <stdint.h>
#include <time.h>

// The broken-down time read as local time, as mktime reads it: tm_isdst positive means
// daylight-saving time is in effect, zero that it is not, negative that the zone decides;
// members outside their ranges carry into the larger units. A time before 1900-01-01 00:00:00
// as written gives -1. Plus 3600 x LocalHourOffset(); everything wraps to 32 bits.
int32_t MakeUtcTime(const struct tm *fields);

// The local clock's hour at 1970-01-02 00:00:00 UTC as signed hours from UTC: 1 at UTC+1,
// -5 at UTC-5, 5 at UTC+5:30, -4 at UTC-3:30.
int32_t LocalHourOffset();
