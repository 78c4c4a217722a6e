// Character classes shared by every scanner of the core. White space is exactly the six
// characters below whatever the C library's locale says.
#pragma once

// Tab, line feed, vertical tab, form feed and carriage return are the codes 9 to 13.
inline bool IsScanSpace(char c) {
    return c == ' ' || (unsigned char)(c - '\t') <= (unsigned char)('\r' - '\t');
}

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit of either case, or -1.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

inline const char *SkipScanSpace(const char *p) {
    while (IsScanSpace(*p)) {
        ++p;
    }
    return p;
}
