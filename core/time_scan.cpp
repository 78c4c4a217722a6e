// The time scan as the C library's scanf reads "%02u.%02u.%04u %02u:%02u:%02u": white space
// before a number is skipped and not counted, the width counts the sign, each "." and ":" must
// match exactly, and the blank before the hours matches any run of white space, also none.
#include "core/time_scan.h"

#include "core/scan_chars.h"

struct TimeScanStep {
    char separator; // what comes before the number: 0 nothing, ' ' any white space
    int width;      // characters of the number, sign included
};

static const TimeScanStep kTimeScanSteps[kTimeScanNumbers] = {
    {0, 2}, {'.', 2}, {'.', 4}, {' ', 2}, {':', 2}, {':', 2},
};

// One "%Nu" conversion: false when no digit follows within the width.
static bool ScanNumber(const char **cursor, int width, uint32_t *number) {
    const char *p = SkipScanSpace(*cursor);
    int used = 0;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
        ++used;
    }
    uint32_t magnitude = 0;
    bool hasDigits = false;
    for (; used < width && IsDecimalDigit(*p); ++p, ++used) {
        magnitude = magnitude * 10 + (uint32_t)(*p - '0');
        hasDigits = true;
    }
    if (!hasDigits) {
        return false;
    }
    *number = negative ? 0u - magnitude : magnitude;
    *cursor = p;
    return true;
}

static bool MatchSeparator(const char **cursor, char separator) {
    if (separator == ' ') {
        *cursor = SkipScanSpace(*cursor);
        return true;
    }
    if (separator != 0) {
        if (**cursor != separator) {
            return false;
        }
        ++*cursor;
    }
    return true;
}

// A text as the time fields show it, "dd.mm.yyyy hh:mm:ss" (anything may follow), is read by the
// scan below as six numbers of exactly those digits, so they are taken directly: the text comes
// back from every refresh of a time field. The check stops at the text's end.
static bool ReadShownText(const char *text, uint32_t numbers[kTimeScanNumbers]) {
    static const char kShape[] = "dd.dd.dddd dd:dd:dd";
    uint32_t read[kTimeScanNumbers];
    uint32_t number = 0;
    int count = 0;
    for (int i = 0; kShape[i] != '\0'; ++i) {
        if (kShape[i] == 'd') {
            if (!IsDecimalDigit(text[i])) {
                return false;
            }
            number = number * 10 + (uint32_t)(text[i] - '0');
        } else if (text[i] != kShape[i]) {
            return false;
        } else {
            read[count++] = number;
            number = 0;
        }
    }
    read[count] = number;
    for (int i = 0; i < kTimeScanNumbers; ++i) {
        numbers[i] = read[i];
    }
    return true;
}

int ScanTimeText(const char *text, uint32_t numbers[kTimeScanNumbers]) {
    if (ReadShownText(text, numbers)) {
        return kTimeScanNumbers;
    }
    const char *p = text;
    for (int i = 0; i < kTimeScanNumbers; ++i) {
        if (!MatchSeparator(&p, kTimeScanSteps[i].separator) ||
            !ScanNumber(&p, kTimeScanSteps[i].width, &numbers[i])) {
            return i;
        }
    }
    return kTimeScanNumbers;
}
