// Decimal scanning without the C library's scanf, so every platform reads the same bytes.
#include "core/decimal_scan.h"

#include "core/scan_chars.h"

DecimalScan ScanDecimal(const char *text) {
    DecimalScan scan = {false, false, false, 0};
    const char *p = SkipScanSpace(text);
    if (*p == '+' || *p == '-') {
        scan.negative = (*p == '-');
        ++p;
    }
    // Nineteen digits always fit in 64 bits; only the digits after them need the checks below.
    const char *firstDigit = p;
    for (; IsDecimalDigit(*p) && p - firstDigit < 19; ++p) {
        scan.magnitude = scan.magnitude * 10 + (unsigned)(*p - '0');
    }
    scan.hasDigits = p > firstDigit;
    const uint64_t maxBeforeDigit = UINT64_MAX / 10;
    for (; IsDecimalDigit(*p); ++p) {
        if (scan.beyond64Bits) {
            continue;
        }
        unsigned digit = (unsigned)(*p - '0');
        if (scan.magnitude > maxBeforeDigit ||
            (scan.magnitude == maxBeforeDigit && digit > UINT64_MAX % 10)) {
            scan.beyond64Bits = true;
            continue;
        }
        scan.magnitude = scan.magnitude * 10 + digit;
    }
    return scan;
}

uint32_t Parse32(const char *text) {
    DecimalScan scan = ScanDecimal(text);
    if (!scan.hasDigits) {
        return 0;
    }
    if (scan.beyond64Bits || scan.magnitude > UINT32_MAX) {
        return UINT32_MAX;
    }
    uint32_t magnitude = (uint32_t)scan.magnitude;
    return scan.negative ? 0u - magnitude : magnitude;
}
