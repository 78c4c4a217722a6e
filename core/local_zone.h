// The local time zone as the C library's localtime knows it: offset and daylight-saving state
// at a moment.
#pragma once

#include <stdint.h>
#include <time.h>

struct ZoneState {
    int64_t offsetSeconds; // local clock minus UTC
    bool daylightSaving;
};

// localtime of 'moment' copied into 'out'; false when the C library cannot convert it.
bool LocalTimeOf(time_t moment, struct tm *out);

// The zone at moment 't' (seconds since 1970-01-01 00:00:00 UTC). False when the C library
// cannot convert the moment.
bool ExactLocalZoneAt(int64_t t, ZoneState *zone);

// The zone at moment 't'; a moment the C library cannot convert takes the zone's rules at the
// nearest moment it can.
ZoneState LocalZoneAt(int64_t t);
