// Reading a scanned number. Hexadecimal numbers, infinities and NaNs are converted here exactly.
// Decimal numbers go to the C library's strtof or strtod, which glibc and MinGW-w64 (its own
// gdtoa, linked statically, not msvcrt's) both round correctly; the library gets only a plain
// "DIGITSeEXPONENT" text that every one reads alike: leading zeros gone, no point, no sign, at
// most kKeptDigits digits and an exponent well inside the format's range.
#include "core/float_read.h"

#include <stdlib.h>
#include <string.h>

#include "core/binary_rounding.h"
#include "core/scan_chars.h"

// A halfway point between two neighbouring doubles has at most 769 significant digits. A longer
// digit string is cut to kKeptDigits and, when a nonzero digit was cut, a "1" is appended: that
// lies strictly between the same two halfway points as the whole string, so it rounds alike.
enum { kKeptDigits = 800 };

// Counters and exponents stop here, far beyond every format, so no sum of them overflows.
static const int32_t kSaturation = 100000000;

struct TargetFormat {
    const BinaryFormat *binary;
    uint64_t defaultNan;
    int overflowPosition;  // a leading digit at 10^overflowPosition or above: the infinity
    int underflowPosition; // a leading digit at 10^underflowPosition or below: a zero
    uint64_t (*readDecimal)(const char *digits); // the library's reading of "DIGITSeEXPONENT"
};

static uint64_t LibraryBinary32(const char *digits) {
    float number = strtof(digits, nullptr);
    uint32_t bits = 0;
    memcpy(&bits, &number, sizeof(bits));
    return bits;
}

static uint64_t LibraryBinary64(const char *digits) {
    double number = strtod(digits, nullptr);
    uint64_t bits = 0;
    memcpy(&bits, &number, sizeof(bits));
    return bits;
}

// FLT_MAX is about 3.4e38 and half the smallest subnormal about 7.0e-46;
// DBL_MAX is about 1.8e308 and half the smallest subnormal about 2.5e-324.
static const TargetFormat kTarget32 = {&kBinary32, 0x7FC00000u, 39, -47, LibraryBinary32};
static const TargetFormat kTarget64 = {&kBinary64, 0x7FF8000000000000ull, 309, -325,
                                       LibraryBinary64};

static int32_t Saturate(int32_t value) {
    if (value > kSaturation) {
        return kSaturation;
    }
    return value < -kSaturation ? -kSaturation : value;
}

// The exponent's value from its optional sign and digits, saturated.
static int32_t ReadExponent(const char *p) {
    if (!p) {
        return 0;
    }
    bool negative = (*p == '-');
    if (*p == '+' || *p == '-') {
        ++p;
    }
    int32_t magnitude = 0;
    for (; IsDecimalDigit(*p); ++p) {
        if (magnitude <= kSaturation) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    magnitude = Saturate(magnitude);
    return negative ? -magnitude : magnitude;
}

static uint64_t ReadHex(const FloatScan *scan, const TargetFormat *target) {
    uint64_t mantissa = 0;
    int kept = 0; // significant hexadecimal digits in 'mantissa', at most 16
    bool belowMantissa = false;
    int32_t digitScale = 0; // the value is the digits read as one integer times 16^digitScale
    bool afterPoint = false;
    for (const char *p = scan->mantissa; p < scan->mantissaEnd; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        int digit = HexDigitValue(*p);
        if (kept == 0 && digit == 0) {
            digitScale = Saturate(digitScale - (afterPoint ? 1 : 0));
        } else if (kept < 16) {
            mantissa = mantissa * 16 + (uint64_t)digit;
            ++kept;
            digitScale = Saturate(digitScale - (afterPoint ? 1 : 0));
        } else {
            belowMantissa |= (digit != 0);
            digitScale = Saturate(digitScale + (afterPoint ? 0 : 1));
        }
    }
    int32_t exponent = 4 * digitScale + ReadExponent(scan->exponent);
    return RoundToBinary(target->binary, scan->negative, mantissa, belowMantissa, exponent);
}

static uint64_t ReadDecimal(const FloatScan *scan, const TargetFormat *target) {
    char digits[kKeptDigits + 24];
    int count = 0;
    bool cutNonzero = false;
    int32_t digitScale = 0; // the value is the kept digits as one integer times 10^digitScale
    bool afterPoint = false;
    for (const char *p = scan->mantissa; p < scan->mantissaEnd; ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (count == 0 && *p == '0') {
            digitScale = Saturate(digitScale - (afterPoint ? 1 : 0));
        } else if (count < kKeptDigits) {
            digits[count++] = *p;
            digitScale = Saturate(digitScale - (afterPoint ? 1 : 0));
        } else {
            cutNonzero |= (*p != '0');
            digitScale = Saturate(digitScale + (afterPoint ? 0 : 1));
        }
    }
    uint64_t zero = BinarySignBit(target->binary, scan->negative);
    if (count == 0) {
        return zero;
    }
    int32_t scale = digitScale + ReadExponent(scan->exponent);
    int32_t leadingPosition = scale + (count - 1);
    if (leadingPosition >= target->overflowPosition) {
        return BinaryInfinity(target->binary, scan->negative);
    }
    if (leadingPosition <= target->underflowPosition) {
        return zero;
    }
    if (cutNonzero) {
        digits[count++] = '1';
        --scale;
    }
    digits[count++] = 'e';
    digits[count++] = scale < 0 ? '-' : '+';
    // |scale| stays below a few thousand here; written most significant digit first.
    char reversed[12];
    int reversedCount = 0;
    uint32_t magnitude = scale < 0 ? 0u - (uint32_t)scale : (uint32_t)scale;
    do {
        reversed[reversedCount++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 && reversedCount < (int)sizeof(reversed));
    while (reversedCount > 0) {
        digits[count++] = reversed[--reversedCount];
    }
    digits[count] = '\0';
    return zero | target->readDecimal(digits);
}

static uint64_t ReadScanned(const FloatScan *scan, const TargetFormat *target) {
    switch (scan->kind) {
    case kFloatTextDecimal:
        return ReadDecimal(scan, target);
    case kFloatTextHex:
        return ReadHex(scan, target);
    case kFloatTextInfinity:
        return BinaryInfinity(target->binary, scan->negative);
    case kFloatTextNan:
        return target->defaultNan;
    case kFloatTextNone:
        break;
    }
    return 0;
}

uint32_t ReadBinary32(const FloatScan *scan) {
    return (uint32_t)ReadScanned(scan, &kTarget32);
}

uint64_t ReadBinary64(const FloatScan *scan) {
    return ReadScanned(scan, &kTarget64);
}
