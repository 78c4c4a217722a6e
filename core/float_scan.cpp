// The floating-point scanner, written out so that every C library reads the same characters.
#include "core/float_scan.h"

#include "core/scan_chars.h"

static char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

// True when 'p' starts with 'word' (lower case) in any mix of cases.
static bool StartsWithWord(const char *p, const char *word) {
    for (; *word != '\0'; ++p, ++word) {
        if (LowerAscii(*p) != *word) {
            return false;
        }
    }
    return true;
}

static bool IsNanSequenceChar(char c) {
    char lower = LowerAscii(c);
    return IsDecimalDigit(c) || (lower >= 'a' && lower <= 'z') || c == '_';
}

static bool IsDigitOfBase(char c, bool hex) {
    return hex ? HexDigitValue(c) >= 0 : IsDecimalDigit(c);
}

// Digits with one optional point; null when there is not at least one digit.
static const char *SkipMantissa(const char *p, bool hex) {
    bool anyDigit = false;
    for (; IsDigitOfBase(*p, hex); ++p) {
        anyDigit = true;
    }
    if (*p == '.') {
        ++p;
        for (; IsDigitOfBase(*p, hex); ++p) {
            anyDigit = true;
        }
    }
    return anyDigit ? p : nullptr;
}

// An optional sign and at least one decimal digit; null when the digits are missing.
static const char *SkipExponentDigits(const char *p) {
    if (*p == '+' || *p == '-') {
        ++p;
    }
    if (!IsDecimalDigit(*p)) {
        return nullptr;
    }
    while (IsDecimalDigit(*p)) {
        ++p;
    }
    return p;
}

// Mantissa and exponent of a decimal or hexadecimal number starting at 'p'; false for none.
static bool ScanPositional(const char *p, bool hex, FloatScan *scan) {
    scan->kind = hex ? kFloatTextHex : kFloatTextDecimal;
    scan->mantissa = p;
    scan->mantissaEnd = SkipMantissa(p, hex);
    if (!scan->mantissaEnd) {
        return false;
    }
    p = scan->mantissaEnd;
    if (LowerAscii(*p) == (hex ? 'p' : 'e')) {
        scan->exponent = p + 1;
        p = SkipExponentDigits(p + 1);
        if (!p) {
            return false;
        }
    }
    scan->end = p;
    return true;
}

// "inf" or, once an "i" follows it, the whole word "infinity".
static bool ScanInfinity(const char *p, FloatScan *scan) {
    if (!StartsWithWord(p, "inf")) {
        return false;
    }
    p += 3;
    if (LowerAscii(*p) == 'i') {
        if (!StartsWithWord(p, "inity")) {
            return false;
        }
        p += 5;
    }
    scan->kind = kFloatTextInfinity;
    scan->end = p;
    return true;
}

// "nan" and, once a "(" follows it, the sequence up to and including ")".
static bool ScanNan(const char *p, FloatScan *scan) {
    if (!StartsWithWord(p, "nan")) {
        return false;
    }
    p += 3;
    if (*p == '(') {
        ++p;
        while (IsNanSequenceChar(*p)) {
            ++p;
        }
        if (*p != ')') {
            return false;
        }
        ++p;
    }
    scan->kind = kFloatTextNan;
    scan->end = p;
    return true;
}

FloatScan ScanFloatText(const char *text) {
    FloatScan none = {kFloatTextNone, false, nullptr, nullptr, nullptr, text};
    FloatScan scan = none;
    const char *p = SkipScanSpace(text);
    if (*p == '+' || *p == '-') {
        scan.negative = (*p == '-');
        ++p;
    }
    bool found = false;
    char first = LowerAscii(*p);
    if (first == 'i') {
        found = ScanInfinity(p, &scan);
    } else if (first == 'n') {
        found = ScanNan(p, &scan);
    } else if (*p == '0' && LowerAscii(p[1]) == 'x') {
        found = ScanPositional(p + 2, true, &scan);
    } else {
        found = ScanPositional(p, false, &scan);
    }
    return found ? scan : none;
}
