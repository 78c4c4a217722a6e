// Test helpers for file times: a FILETIME from a 64-bit count and back, a SYSTEMTIME from
// its members.
#pragma once

#include <stdint.h>

#include "win32/win32_api.h"

inline FILETIME FileTimeOf(uint64_t count) {
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)count;
    ft.dwHighDateTime = (DWORD)(count >> 32);
    return ft;
}

inline uint64_t CountOf(const FILETIME &ft) {
    return ((uint64_t)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
}

inline SYSTEMTIME SystemTimeOf(unsigned year, unsigned month, unsigned day, unsigned hour,
                               unsigned minute, unsigned second, unsigned ms,
                               unsigned weekday = 0) {
    SYSTEMTIME st;
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDayOfWeek = (WORD)weekday;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    st.wMinute = (WORD)minute;
    st.wSecond = (WORD)second;
    st.wMilliseconds = (WORD)ms;
    return st;
}
