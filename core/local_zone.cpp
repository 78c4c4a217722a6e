// Zone lookups through localtime, the one question about the local zone that every C library
// answers alike. The C libraries differ in which moments they convert: glibc takes nearly any,
// Windows' localtime refuses moments before 1970 and treats moments after the year 3000 as an
// invalid parameter, so such moments are never passed and refused ones fall back to the nearest
// moment that converts.
#include "core/local_zone.h"

#include "core/calendar.h"

// 3000-12-31 23:59:59 UTC, the last moment Windows' localtime accepts.
static const int64_t kLatestZoneMoment = 32535215999;
// 1970-01-02 00:00:00 UTC, a moment every C library converts in every zone.
static const int64_t kAlwaysConvertibleMoment = 86400;

// glibc's localtime looks for a changed zone file on every call, and one edit asks it several
// times; localtime_r answers the same from the zone that the last tzset (or the first call)
// set up. Windows' localtime is quick and keeps its record per thread, so it is used there.
bool LocalTimeOf(time_t moment, struct tm *out) {
#if defined(_WIN32)
    const struct tm *shared = localtime(&moment);
    if (!shared) {
        return false;
    }
    // The record is shared with every other localtime and gmtime call: copy it at once.
    *out = *shared;
    return true;
#else
    return localtime_r(&moment, out) != nullptr;
#endif
}

bool ExactLocalZoneAt(int64_t t, ZoneState *zone) {
    time_t moment = (time_t)t;
    if (t > kLatestZoneMoment || (int64_t)moment != t) {
        return false;
    }
    struct tm local;
    if (!LocalTimeOf(moment, &local)) {
        return false;
    }
    int64_t asWritten = SecondsFromCivil((int64_t)local.tm_year + 1900, local.tm_mon + 1,
                                         local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    zone->offsetSeconds = asWritten - t;
    zone->daylightSaving = local.tm_isdst > 0;
    return true;
}

// Bisects between a moment that converts and one that does not, taking the convertible moments
// to form one span.
static ZoneState NearestConvertibleZone(int64_t refused) {
    ZoneState zone = {0, false};
    int64_t good = kAlwaysConvertibleMoment;
    if (!ExactLocalZoneAt(good, &zone)) {
        return zone;
    }
    int64_t bad = refused;
    while (bad - good > 1 || good - bad > 1) {
        int64_t middle = good + (bad - good) / 2;
        ZoneState probe;
        if (ExactLocalZoneAt(middle, &probe)) {
            good = middle;
            zone = probe;
        } else {
            bad = middle;
        }
    }
    return zone;
}

ZoneState LocalZoneAt(int64_t t) {
    int64_t wanted = t > kLatestZoneMoment ? kLatestZoneMoment : t;
    ZoneState zone;
    if (ExactLocalZoneAt(wanted, &zone)) {
        return zone;
    }
    return NearestConvertibleZone(wanted);
}
