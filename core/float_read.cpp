// Reading a scanned number. Hexadecimal numbers, infinities and NaNs are converted here exactly.
// A decimal number of up to nineteen significant digits is rounded here too, from tight bounds of
// its value, whenever both bounds round to the same value. The rest go to the C library's strtof
// or strtod, which glibc and MinGW-w64 (its own gdtoa, linked statically, not msvcrt's) both
// round correctly; the library gets only a plain "DIGITSeEXPONENT" text that every one reads
// alike: leading zeros gone, no point, no sign, at most kKeptDigits digits and an exponent well
// inside the format's range.
#include "core/float_read.h"

#include <stdlib.h>
#include <string.h>

#include "core/binary_rounding.h"
#include "core/bounded_format.h"
#include "core/decimal_bounds.h"
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

// The significant digits of a scanned mantissa, leading zeros gone, in its own base.
struct MantissaDigits {
    unsigned char value[kKeptDigits]; // the first 'count' digits; value[0] is not zero
    int count;
    bool cutNonzero; // a nonzero digit stood beyond the first 'limit'
    int32_t scale;   // the number is the kept digits as one integer times base^scale
};

static void CollectDigits(const FloatScan *scan, int limit, MantissaDigits *digits) {
    digits->count = 0;
    digits->cutNonzero = false;
    digits->scale = 0;
    bool afterPoint = false;
    for (const char *p = scan->mantissa; p < scan->mantissaEnd; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        int digit = HexDigitValue(*p); // decimal digits have the same values
        if (digits->count == 0 && digit == 0) {
            digits->scale = Saturate(digits->scale - (afterPoint ? 1 : 0));
        } else if (digits->count < limit) {
            digits->value[digits->count++] = (unsigned char)digit;
            digits->scale = Saturate(digits->scale - (afterPoint ? 1 : 0));
        } else {
            digits->cutNonzero |= (digit != 0);
            digits->scale = Saturate(digits->scale + (afterPoint ? 0 : 1));
        }
    }
}

static uint64_t ReadHex(const FloatScan *scan, const TargetFormat *target) {
    MantissaDigits digits;
    CollectDigits(scan, 16, &digits); // sixteen hexadecimal digits fill 64 bits
    uint64_t mantissa = 0;
    for (int i = 0; i < digits.count; ++i) {
        mantissa = mantissa * 16 + digits.value[i];
    }
    int32_t exponent = 4 * digits.scale + ReadExponent(scan->exponent);
    return RoundToBinary(target->binary, scan->negative, mantissa, digits.cutNonzero, exponent);
}

// Nineteen decimal digits always fit in 64 bits.
enum { kQuickDigits = 19 };

// Rounding is monotonic: when the low and the high bound of the value round alike, so does the
// value. False when they do not (the value lies very close to a halfway point) or the number is
// too long.
static bool RoundShortDecimal(const MantissaDigits *digits, int32_t scale, bool negative,
                              const TargetFormat *target, uint64_t *bits) {
    if (digits->count > kQuickDigits || digits->cutNonzero) {
        return false;
    }
    uint64_t number = 0;
    for (int i = 0; i < digits->count; ++i) {
        number = number * 10 + digits->value[i];
    }
    MantissaBounds bounds;
    if (!DecimalBounds(number, scale, &bounds)) {
        return false;
    }
    uint64_t low = RoundToBinary(target->binary, negative, bounds.low, false, bounds.exponent);
    uint64_t high = RoundToBinary(target->binary, negative, bounds.high, false, bounds.exponent);
    *bits = low;
    return low == high;
}

static uint64_t ReadDecimal(const FloatScan *scan, const TargetFormat *target) {
    MantissaDigits digits;
    CollectDigits(scan, kKeptDigits, &digits);
    uint64_t zero = BinarySignBit(target->binary, scan->negative);
    if (digits.count == 0) {
        return zero;
    }
    int32_t scale = digits.scale + ReadExponent(scan->exponent);
    int32_t leadingPosition = scale + (digits.count - 1);
    if (leadingPosition >= target->overflowPosition) {
        return BinaryInfinity(target->binary, scan->negative);
    }
    if (leadingPosition <= target->underflowPosition) {
        return zero;
    }
    uint64_t quick = 0;
    if (RoundShortDecimal(&digits, scale, scan->negative, target, &quick)) {
        return quick;
    }
    char text[kKeptDigits + 24];
    int length = 0;
    for (int i = 0; i < digits.count; ++i) {
        text[length++] = (char)('0' + digits.value[i]);
    }
    if (digits.cutNonzero) {
        text[length++] = '1';
        --scale;
    }
    // "%d" prints the same on every C library; 24 spare bytes hold any int32 exponent.
    FormatBounded(text + length, sizeof(text) - (size_t)length, "e%d", (int)scale);
    return zero | target->readDecimal(text);
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
