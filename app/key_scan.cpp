// The "0x%x" reading of the toggle key's text, written out so every C library reads it alike.
#include "app/key_scan.h"

#include "core/scan_chars.h"

bool ScanKeyCode(const char *text, uint32_t *code) {
    if (text[0] != '0' || text[1] != 'x') {
        return false;
    }
    const char *p = SkipScanSpace(text + 2);
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
    }
    if (HexDigitValue(*p) < 0) {
        return false;
    }
    uint32_t number = 0;
    for (; HexDigitValue(*p) >= 0; ++p) {
        number = number * 16u + (uint32_t)HexDigitValue(*p);
    }
    *code = negative ? 0u - number : number;
    return true;
}
