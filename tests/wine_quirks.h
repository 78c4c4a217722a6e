// Where the Windows test build runs under Wine: the ways Wine's file-time conversions are known
// to differ from Windows', so that a test can leave exactly those inputs out.
#pragma once

#include "core/calendar.h"
#include "win32/win32_api.h"

inline bool RunningUnderWine() {
#if defined(_WIN32)
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

// Wine's SystemTimeToFileTime accepts 29 February of every year and years after 30827.
inline bool IsWineSystemTimeQuirk(const SYSTEMTIME &st) {
    bool leapDayOfCommonYear = st.wMonth == 2 && st.wDay == 29 && !IsLeapYear(st.wYear);
    return leapDayOfCommonYear || st.wYear > 30827;
}
