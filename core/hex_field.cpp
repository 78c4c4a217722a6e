// The HEX field. Pair i starts at character 2i, but the "%02X" reading of a pair skips white
// space first and then takes up to two characters from there, so blanks shift what it reads.
#include "core/hex_field.h"

#include <string.h>

#include "core/bounded_format.h"
#include "core/scan_chars.h"

unsigned char ScanHexPair(const char *start, const char *end) {
    // The usual pair, two hexadecimal digits, reads the same without the general steps below.
    if (end - start >= 2) {
        int high = HexDigitValue(start[0]);
        int low = HexDigitValue(start[1]);
        if (high >= 0 && low >= 0) {
            return (unsigned char)(high * 16 + low);
        }
    }
    const char *p = start;
    while (p < end && IsScanSpace(*p)) {
        ++p;
    }
    const char *spanEnd = (end - p > 2) ? p + 2 : end;
    bool negative = false;
    if (p < spanEnd && (*p == '+' || *p == '-')) {
        negative = (*p == '-');
        ++p;
    }
    unsigned number = 0;
    for (; p < spanEnd && HexDigitValue(*p) >= 0; ++p) {
        number = number * 16 + (unsigned)HexDigitValue(*p);
    }
    return (unsigned char)(negative ? 0u - number : number);
}

RawValue ParseHex(const char *text) {
    RawValue value = ZeroRawValue();
    size_t length = strlen(text);
    size_t pairs = length / 2;
    if (pairs > 8) {
        pairs = 8;
    }
    for (size_t i = 0; i < pairs; ++i) {
        value.bytes[i] = ScanHexPair(text + 2 * i, text + length);
    }
    return value;
}

void FormatHex(const RawValue *value, char *text, size_t capacity) {
    const unsigned char *b = value->bytes;
    FormatBounded(text, capacity, "%02X%02X%02X%02X%02X%02X%02X%02X", b[0], b[1], b[2], b[3], b[4],
                  b[5], b[6], b[7]);
}
