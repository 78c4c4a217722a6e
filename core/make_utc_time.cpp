// MakeUtcTime is the core's own mktime: the C libraries disagree on dates before 1970 and 1900,
// so the carrying, the 1900 limit and the 32-bit wrap are done here in 64-bit arithmetic, and the
// C library is asked only for the zone's offset and daylight-saving state at a moment.
#include "core/make_utc_time.h"

#include "core/calendar.h"
#include "core/local_zone.h"

static const int64_t kMomentAsWritten1900 = -2208988800; // 1900-01-01 00:00:00
static const int64_t kUnrepresentable = -1;

// Probes for a moment in the wanted daylight-saving state: a week apart and up to about eight
// and a half years either way, as glibc's mktime looks for one.
static const int64_t kProbeStride = 601200;
static const int64_t kProbeReach = 536454000 / 2 + kProbeStride;
static const int64_t kDaylightSavingShift = 3600;
static const int kMaxOffsetRefinements = 4;

static int64_t SecondsAsWritten(const struct tm *fields) {
    int64_t months = (int64_t)fields->tm_year * 12 + fields->tm_mon;
    int64_t year = 1900 + FloorDivide(months, 12);
    int month = (int)FloorModulo(months, 12) + 1;
    return SecondsFromCivil(year, month, fields->tm_mday, fields->tm_hour, fields->tm_min,
                            fields->tm_sec);
}

static bool FindNearbyZone(int64_t t, bool daylightSaving, ZoneState *found) {
    for (int64_t delta = kProbeStride; delta < kProbeReach; delta += kProbeStride) {
        for (int direction = -1; direction <= 1; direction += 2) {
            ZoneState probe;
            if (ExactLocalZoneAt(t + direction * delta, &probe) &&
                probe.daylightSaving == daylightSaving) {
                *found = probe;
                return true;
            }
        }
    }
    return false;
}

// The moment whose local clock reads 'local', in the daylight-saving state that 'isdst' asks.
static int64_t MomentOfLocalTime(int64_t local, int isdst) {
    int64_t t = local;
    ZoneState zone = LocalZoneAt(t);
    for (int step = 0; step < kMaxOffsetRefinements && local - zone.offsetSeconds != t; ++step) {
        t = local - zone.offsetSeconds;
        zone = LocalZoneAt(t);
    }
    int64_t offset = zone.offsetSeconds;
    bool wantDaylightSaving = isdst > 0;
    if (isdst >= 0 && zone.daylightSaving != wantDaylightSaving) {
        ZoneState nearby;
        if (FindNearbyZone(t, wantDaylightSaving, &nearby)) {
            offset = nearby.offsetSeconds;
        } else {
            // A zone that never changes state nearby: the usual hour, as the C libraries do.
            offset += wantDaylightSaving ? kDaylightSavingShift : -kDaylightSavingShift;
        }
    }
    return local - offset;
}

static uint32_t LowBits(int64_t number) {
    return (uint32_t)(uint64_t)number;
}

int32_t MakeUtcTime(const struct tm *fields) {
    int64_t local = SecondsAsWritten(fields);
    int64_t t = local < kMomentAsWritten1900 ? kUnrepresentable
                                             : MomentOfLocalTime(local, fields->tm_isdst);
    uint32_t hourCorrection = (uint32_t)LocalHourOffset() * 3600u;
    return (int32_t)(LowBits(t) + hourCorrection);
}

int32_t LocalHourOffset() {
    time_t moment = 86400; // 1970-01-02 00:00:00 UTC
    struct tm local;
    if (!LocalTimeOf(moment, &local)) {
        return 0;
    }
    return local.tm_mday < 2 ? local.tm_hour - 24 : local.tm_hour;
}
