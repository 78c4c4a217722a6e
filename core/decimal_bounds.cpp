// Bounds of digits × 10^e. 10^e is 5^e × 2^e; the power of two only moves the exponent, and
// 5^e is an exact small power 5^r (r below 27, which fits in 63 bits) times a table entry
// 5^(27q). Every product is rounded down for the low bound and up for the high one, so the
// exact value always lies between them.
#include "core/decimal_bounds.h"

namespace {

// m × 2^exponent rounded down; 2^63 <= m < 2^64. Exact where 'exact' is set, otherwise the
// true value lies below (m + 1) × 2^exponent.
struct PowerOfFive {
    uint64_t mantissa;
    int16_t exponent;
    bool exact;
};

enum { kChunk = 27 };

// 5^27, 5^54, ..., 5^297.
const PowerOfFive kPositivePowers[] = {
    {0xCECB8F27F4200F3Au, -1, true},   {0xA70C3C40A64E6C51u, 62, false},
    {0x86F0AC99B4E8DAFDu, 125, false}, {0xDA01EE641A708DE9u, 187, false},
    {0xB01AE745B101E9E4u, 250, false}, {0x8E41ADE9FBEBC27Du, 313, false},
    {0xE5D3EF282A242E81u, 375, false}, {0xB9A74A0637CE2EE1u, 438, false},
    {0x95F83D0A1FB69CD9u, 501, false}, {0xF24A01A73CF2DCCFu, 563, false},
    {0xC3B8358109E84F07u, 626, false},
};

// 5^-27, 5^-54, ..., 5^-351.
const PowerOfFive kNegativePowers[] = {
    {0x9E74D1B791E07E48u, -126, false}, {0xC428D05AA4751E4Cu, -189, false},
    {0xF2D56790AB41C2A2u, -252, false}, {0x964E858C91BA2655u, -314, false},
    {0xBA121A4650E4DDEBu, -377, false}, {0xE65829B3046B0AFAu, -440, false},
    {0x8E938662882AF53Eu, -502, false}, {0xB080392CC4349DECu, -565, false},
    {0xDA7F5BF590966848u, -628, false}, {0x873E4F75E2224E68u, -690, false},
    {0xA76C582338ED2621u, -753, false}, {0xCF42894A5DCE35EAu, -816, false},
    {0x8049A4AC0C5811AEu, -878, false},
};

const int kPositiveCount = (int)(sizeof(kPositivePowers) / sizeof(kPositivePowers[0]));
const int kNegativeCount = (int)(sizeof(kNegativePowers) / sizeof(kNegativePowers[0]));

struct Product {
    uint64_t high;
    uint64_t low;
};

Product Multiply64(uint64_t a, uint64_t b) {
    Product p;
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 Wide;
    Wide full = (Wide)a * b;
    p.high = (uint64_t)(full >> 64);
    p.low = (uint64_t)full;
#else
    uint64_t aLow = (uint32_t)a, aHigh = a >> 32, bLow = (uint32_t)b, bHigh = b >> 32;
    uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh, highLow = aHigh * bLow;
    uint64_t middle = (lowLow >> 32) + (uint32_t)lowHigh + (uint32_t)highLow;
    p.low = (middle << 32) | (uint32_t)lowLow;
    p.high = aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
#endif
    return p;
}

// 5^0 to 5^26, all below 2^63.
const uint64_t kSmallPowersOfFive[kChunk] = {
    1ull,
    5ull,
    25ull,
    125ull,
    625ull,
    3125ull,
    15625ull,
    78125ull,
    390625ull,
    1953125ull,
    9765625ull,
    48828125ull,
    244140625ull,
    1220703125ull,
    6103515625ull,
    30517578125ull,
    152587890625ull,
    762939453125ull,
    3814697265625ull,
    19073486328125ull,
    95367431640625ull,
    476837158203125ull,
    2384185791015625ull,
    11920928955078125ull,
    59604644775390625ull,
    298023223876953125ull,
    1490116119384765625ull,
};

int LeadingZeros(uint64_t number) {
#if defined(__GNUC__)
    if (number != 0) {
        return __builtin_clzll(number);
    }
#endif
    int count = 0;
    for (uint64_t bit = (uint64_t)1 << 63; bit != 0 && (number & bit) == 0; bit >>= 1) {
        ++count;
    }
    return count;
}

// The top 64 bits of p shifted left by 'shift' (0 to 63).
uint64_t TopBits(Product p, int shift) {
    return shift == 0 ? p.high : (p.high << shift) | (p.low >> (64 - shift));
}

// Whether a bit below those top 64 bits is set.
bool DroppedBits(Product p, int shift) {
    return (p.low << shift) != 0;
}

// Raises the high bound by one when bits were dropped; a carry out of 64 bits halves both.
void SetRounded(MantissaBounds *bounds, uint64_t low, uint64_t high, bool highDropped) {
    if (highDropped && high == UINT64_MAX) {
        bounds->low = low >> 1;
        bounds->high = (uint64_t)1 << 63;
        ++bounds->exponent;
        return;
    }
    bounds->low = low;
    bounds->high = high + (highDropped ? 1 : 0);
}

// digits × 5^r, exact in 127 bits, as bounds one unit apart at most.
void SmallProductBounds(uint64_t digits, int r, MantissaBounds *bounds) {
    Product p = Multiply64(digits, kSmallPowersOfFive[r]);
    if (p.high == 0) {
        int shift = LeadingZeros(p.low);
        bounds->low = bounds->high = p.low << shift;
        bounds->exponent = -shift;
        return;
    }
    int shift = LeadingZeros(p.high);
    uint64_t top = TopBits(p, shift);
    bounds->exponent = 64 - shift;
    SetRounded(bounds, top, top, DroppedBits(p, shift));
}

// Multiplies both bounds by the table entry, rounding the low one down and the high one up.
void MultiplyByPower(MantissaBounds *bounds, const PowerOfFive *power) {
    uint64_t powerHigh = power->mantissa + (power->exact ? 0 : 1);
    Product high = Multiply64(bounds->high, powerHigh);
    Product low = Multiply64(bounds->low, power->mantissa);
    // Both high factors have their top bit set, so the product has 127 or 128 bits.
    int shift = (high.high >> 63) != 0 ? 0 : 1;
    bounds->exponent += power->exponent + 64 - shift;
    SetRounded(bounds, TopBits(low, shift), TopBits(high, shift), DroppedBits(high, shift));
}

} // namespace

bool DecimalBounds(uint64_t digits, int32_t decimalExponent, MantissaBounds *bounds) {
    if (digits == 0) {
        return false;
    }
    const PowerOfFive *power = nullptr;
    int r = 0;
    if (decimalExponent >= 0) {
        int q = decimalExponent / kChunk;
        r = decimalExponent % kChunk;
        if (q > kPositiveCount) {
            return false;
        }
        power = q > 0 ? &kPositivePowers[q - 1] : nullptr;
    } else {
        if (decimalExponent < -kChunk * kNegativeCount) {
            return false;
        }
        int k = -decimalExponent;
        int q = (k + kChunk - 1) / kChunk;
        r = q * kChunk - k;
        power = &kNegativePowers[q - 1];
    }
    SmallProductBounds(digits, r, bounds);
    if (power) {
        MultiplyByPower(bounds, power);
    }
    bounds->exponent += decimalExponent;
    return true;
}
