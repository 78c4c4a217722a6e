// Tests that set the local time zone themselves: TZ and tzset, put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>
#include <string>

inline void SetZoneVariable(const char *zone) {
#if defined(_WIN32)
    _putenv_s("TZ", zone ? zone : "");
    _tzset();
#else
    if (zone) {
        setenv("TZ", zone, 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
#endif
}

// Each test picks its zone with UseZone; the zone the process had comes back after the test.
class ZoneOverride : public ::testing::Test {
  protected:
    void SetUp() override {
        const char *old = getenv("TZ");
        hadZone = old != nullptr;
        oldZone = old ? old : "";
    }
    void TearDown() override { SetZoneVariable(hadZone ? oldZone.c_str() : nullptr); }
    static void UseZone(const char *zone) { SetZoneVariable(zone); }

  private:
    bool hadZone = false;
    std::string oldZone;
};

// Zone texts of the form "CET-1" or "IST-5:30" mean the same to every C library. Rules for
// daylight-saving time after a comma are POSIX's: Windows' C library ignores them and takes
// US dates (and Wine's, once it has read the Windows zone, that zone's dates).
#if defined(_WIN32)
const bool kZoneRulesHonoured = false;
#else
const bool kZoneRulesHonoured = true;
#endif

// POSIX zone rules used by the tests.
// Daylight-saving time all year round, one hour ahead of UTC.
static const char kZoneAlwaysDaylightSaving[] = "UTC0DST,0/0,J365/25";
// Daylight-saving time all year except around 2 January 00:00 UTC, so it is in force at nearly
// every moment of an edit but not at 1970-01-02 00:00:00 UTC, where the hour offset is taken.
static const char kZoneDaylightSavingButOn2January[] = "STD0DST,J2/0:30,J2/0:30";
