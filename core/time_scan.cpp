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

static bool AreTwoDigits(const char *p) {
    return IsDecimalDigit(p[0]) && IsDecimalDigit(p[1]);
}

static uint32_t TwoDigitNumber(const char *p) {
    return (uint32_t)(p[0] - '0') * 10 + (uint32_t)(p[1] - '0');
}

// A text as the time fields show it, "dd.mm.yyyy hh:mm:ss" (anything may follow), is read by the
// scan below as six numbers of exactly those digits, so they are taken directly: the text comes
// back from every refresh of a time field. Each check stops before the text's end.
static bool ReadShownText(const char *t, uint32_t numbers[kTimeScanNumbers]) {
    if (!(AreTwoDigits(t) && t[2] == '.' && AreTwoDigits(t + 3) && t[5] == '.' &&
          AreTwoDigits(t + 6) && AreTwoDigits(t + 8) && t[10] == ' ' && AreTwoDigits(t + 11) &&
          t[13] == ':' && AreTwoDigits(t + 14) && t[16] == ':' && AreTwoDigits(t + 17))) {
        return false;
    }
    numbers[0] = TwoDigitNumber(t);
    numbers[1] = TwoDigitNumber(t + 3);
    numbers[2] = TwoDigitNumber(t + 6) * 100 + TwoDigitNumber(t + 8);
    numbers[3] = TwoDigitNumber(t + 11);
    numbers[4] = TwoDigitNumber(t + 14);
    numbers[5] = TwoDigitNumber(t + 17);
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
