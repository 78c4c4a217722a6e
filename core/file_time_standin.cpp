// The native stand-in of the platform's file-time conversions (built only without Windows).
#include "core/file_time_calendar.h"
#include "win32/win32_api.h"

BOOL WINAPI FileTimeToSystemTime(const FILETIME *fileTime, SYSTEMTIME *systemTime) {
    return CalendarFileTimeToSystemTime(fileTime, systemTime);
}

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME *systemTime, FILETIME *fileTime) {
    return CalendarSystemTimeToFileTime(systemTime, fileTime);
}
