// Exact "%f" and "%e" texts without the C library's printing. The libraries disagree on the
// texts of infinities and NaNs, on the number of exponent digits, on how many true digits a long
// "%f" shows (msvcrt stops after seventeen) and on exact halfway cases. So the value m * 2^e is
// scaled by a power of ten in a wide integer and rounded once, halfway cases to even, which gives
// the digits that an exact printing library (glibc) gives, on every platform alike.
#include "core/float_text.h"

#include <string.h>

#include "core/wide_integer.h"

// Longest text built here: a sign, 39 integer digits, a point and six decimals.
enum { kScratchCapacity = 64 };

static const uint64_t kSevenDigitLimit = 10000000u; // 10^7
static const uint64_t kSixDigitUnit = 1000000u;     // 10^6

static void CopyIfItFits(const char *scratch, size_t length, char *text, size_t capacity) {
    if (capacity == 0) {
        return;
    }
    memset(text, 0, capacity);
    if (length + 1 <= capacity) {
        memcpy(text, scratch, length);
    }
}

// 'inf', '-inf' or 'nan'; a NaN never shows its sign.
static size_t PutSpecial(bool negative, bool isNan, char *scratch) {
    const char *special = isNan ? "nan" : (negative ? "-inf" : "inf");
    size_t length = strlen(special);
    memcpy(scratch, special, length);
    return length;
}

void FormatBinary32Fixed(uint32_t bits, char *text, size_t capacity) {
    char scratch[kScratchCapacity] = {0};
    size_t length = 0;
    bool negative = (bits >> 31) != 0;
    uint32_t exponentField = (bits >> 23) & 0xFFu;
    uint32_t fraction = bits & 0x7FFFFFu;
    if (exponentField == 0xFFu) {
        length = PutSpecial(negative, fraction != 0, scratch);
    } else {
        // value = mantissa * 2^exponent exactly; round(value * 10^6) gives all digits shown.
        uint32_t mantissa = exponentField != 0 ? (fraction | 0x800000u) : fraction;
        int exponent = exponentField != 0 ? (int)exponentField - 150 : -149;
        WideUint scaled;
        WideSet(&scaled, (uint64_t)mantissa * kSixDigitUnit);
        if (exponent >= 0) {
            WideShiftLeft(&scaled, exponent);
        } else {
            WideShiftRightRoundingToEven(&scaled, -exponent);
        }
        char digits[kScratchCapacity];
        size_t count = WideToDecimal(&scaled, 7, digits, sizeof(digits));
        if (negative) {
            scratch[length++] = '-';
        }
        memcpy(scratch + length, digits, count - 6);
        length += count - 6;
        scratch[length++] = '.';
        memcpy(scratch + length, digits + count - 6, 6);
        length += 6;
    }
    CopyIfItFits(scratch, length, text, capacity);
}

static int FloorDivide(int numerator, int denominator) {
    int quotient = numerator / denominator;
    if (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) {
        --quotient;
    }
    return quotient;
}

static int BitLength(uint64_t number) {
    int length = 0;
    for (; number != 0; number >>= 1) {
        ++length;
    }
    return length;
}

// floor(2 * m * 2^e * 10^(6 - k)), or UINT64_MAX should it not fit; *belowHalf tells whether
// anything nonzero was dropped. 10^n is 5^n * 2^n: the power of two joins the shift.
static uint64_t TwiceScaled(uint64_t mantissa, int exponent, int k, bool *belowHalf) {
    int fives = 6 - k;
    int twos = exponent + fives + 1;
    WideUint scaled;
    WideSet(&scaled, mantissa);
    if (fives > 0) {
        WideMultiplyPowerOfFive(&scaled, fives);
    }
    if (twos > 0) {
        WideShiftLeft(&scaled, twos);
    }
    // Every multiplication comes before the first division, so the result stays exact.
    *belowHalf = false;
    if (fives < 0) {
        *belowHalf |= WideDividePowerOfFive(&scaled, -fives);
    }
    if (twos < 0) {
        *belowHalf |= WideShiftRight(&scaled, -twos);
    }
    uint64_t doubled = 0;
    if (scaled.overflow || !WideToUint64(&scaled, &doubled)) {
        return UINT64_MAX;
    }
    return doubled;
}

// Seven significant digits of m * 2^e, rounded once, halfway cases to even, and the decimal
// exponent k of the first of them.
static uint64_t SevenDigits(uint64_t mantissa, int exponent, int *k) {
    // floor(topBit * log10(2)), exact for every binary64 exponent, is floor(log10(value)) or
    // one less, so one exact scaling suffices and at most one more decimal digit is dropped.
    int topBit = BitLength(mantissa) + exponent - 1;
    *k = FloorDivide(topBit * 78913, 1 << 18);
    bool belowHalf = false;
    uint64_t doubled = TwiceScaled(mantissa, exponent, *k, &belowHalf);
    while (doubled / 2 >= kSevenDigitLimit) {
        belowHalf |= (doubled % 10) != 0;
        doubled /= 10;
        ++*k;
    }
    uint64_t truncated = doubled / 2;
    bool half = (doubled & 1u) != 0;
    uint64_t digits = truncated + ((half && (belowHalf || (truncated & 1u) != 0)) ? 1u : 0u);
    if (digits == kSevenDigitLimit) { // 9999999.5 and above round into the next decade
        digits = kSixDigitUnit;
        ++*k;
    }
    return digits;
}

static size_t PutExponent(int k, char *scratch) {
    size_t length = 0;
    scratch[length++] = 'e';
    scratch[length++] = k < 0 ? '-' : '+';
    unsigned magnitude = k < 0 ? 0u - (unsigned)k : (unsigned)k;
    if (magnitude >= 100) {
        scratch[length++] = (char)('0' + magnitude / 100);
    }
    scratch[length++] = (char)('0' + magnitude / 10 % 10);
    scratch[length++] = (char)('0' + magnitude % 10);
    return length;
}

void FormatBinary64Exponent(uint64_t bits, char *text, size_t capacity) {
    char scratch[kScratchCapacity] = {0};
    size_t length = 0;
    bool negative = (bits >> 63) != 0;
    uint32_t exponentField = (uint32_t)(bits >> 52) & 0x7FFu;
    uint64_t fraction = bits & 0xFFFFFFFFFFFFFull;
    if (exponentField == 0x7FFu) {
        length = PutSpecial(negative, fraction != 0, scratch);
        CopyIfItFits(scratch, length, text, capacity);
        return;
    }
    uint64_t mantissa = exponentField != 0 ? (fraction | (1ull << 52)) : fraction;
    int exponent = exponentField != 0 ? (int)exponentField - 1075 : -1074;
    uint64_t digits = 0; // seven significant digits, 0 for a zero
    int k = 0;           // the decimal exponent shown
    if (mantissa != 0) {
        digits = SevenDigits(mantissa, exponent, &k);
    }
    if (negative) {
        scratch[length++] = '-';
    }
    scratch[length++] = (char)('0' + digits / kSixDigitUnit);
    scratch[length++] = '.';
    uint64_t decimals = digits % kSixDigitUnit;
    for (int i = 5; i >= 0; --i) {
        scratch[length + (size_t)i] = (char)('0' + decimals % 10);
        decimals /= 10;
    }
    length += 6;
    length += PutExponent(k, scratch + length);
    CopyIfItFits(scratch, length, text, capacity);
}
