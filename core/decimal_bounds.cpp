// Bounds of digits × 10^e. 10^e is 5^e × 2^e; the power of two only moves the exponent, and
// 5^e is an exact small power 5^r (r below 27, which fits in 63 bits) times a table entry
// 5^(27q). Every product is rounded down for the low bound and up for the high one, so the
// exact value always lies between them.
#include "core/decimal_bounds.h"

namespace {

enum { kChunk = 27, kPositiveCount = 11, kNegativeCount = 13 };

// 5^(27q) for q = 1 to 11, and 5^(-27q) for q = 1 to 13, as m × 2^exponent with m rounded down
// and 2^63 <= m < 2^64. Only 5^27 is exact; every other value lies below (m + 1) × 2^exponent.
const uint64_t kPositiveMantissas[kPositiveCount] = {
    0xCECB8F27F4200F3Au, 0xA70C3C40A64E6C51u, 0x86F0AC99B4E8DAFDu, 0xDA01EE641A708DE9u,
    0xB01AE745B101E9E4u, 0x8E41ADE9FBEBC27Du, 0xE5D3EF282A242E81u, 0xB9A74A0637CE2EE1u,
    0x95F83D0A1FB69CD9u, 0xF24A01A73CF2DCCFu, 0xC3B8358109E84F07u,
};
const int16_t kPositiveExponents[kPositiveCount] = {-1,  62,  125, 187, 250, 313,
                                                    375, 438, 501, 563, 626};
const uint64_t kNegativeMantissas[kNegativeCount] = {
    0x9E74D1B791E07E48u, 0xC428D05AA4751E4Cu, 0xF2D56790AB41C2A2u, 0x964E858C91BA2655u,
    0xBA121A4650E4DDEBu, 0xE65829B3046B0AFAu, 0x8E938662882AF53Eu, 0xB080392CC4349DECu,
    0xDA7F5BF590966848u, 0x873E4F75E2224E68u, 0xA76C582338ED2621u, 0xCF42894A5DCE35EAu,
    0x8049A4AC0C5811AEu,
};
const int16_t kNegativeExponents[kNegativeCount] = {-126, -189, -252, -314, -377, -440, -502,
                                                    -565, -628, -690, -753, -816, -878};

// 5^0 to 5^13; 5^r for r up to 26 is the product of two of them.
const uint32_t kSmallPowersOfFive[14] = {
    1u,     5u,      25u,      125u,     625u,      3125u,      15625u,
    78125u, 390625u, 1953125u, 9765625u, 48828125u, 244140625u, 1220703125u,
};

uint64_t FiveToThe(int r) {
    int first = r < 13 ? r : 13;
    return (uint64_t)kSmallPowersOfFive[first] * kSmallPowersOfFive[r - first];
}

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
    Product p = Multiply64(digits, FiveToThe(r));
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

// Multiplies both bounds by m × 2^exponent (exact, or below (m + 1) × 2^exponent), rounding the
// low one down and the high one up.
void MultiplyByPower(MantissaBounds *bounds, uint64_t mantissa, int exponent, bool exact) {
    Product high = Multiply64(bounds->high, mantissa + (exact ? 0 : 1));
    Product low = Multiply64(bounds->low, mantissa);
    // Both high factors have their top bit set, so the product has 127 or 128 bits.
    int shift = (high.high >> 63) != 0 ? 0 : 1;
    bounds->exponent += exponent + 64 - shift;
    SetRounded(bounds, TopBits(low, shift), TopBits(high, shift), DroppedBits(high, shift));
}

} // namespace

bool DecimalBounds(uint64_t digits, int32_t decimalExponent, MantissaBounds *bounds) {
    if (digits == 0 || decimalExponent > kChunk * kPositiveCount + kChunk - 1 ||
        decimalExponent < -kChunk * kNegativeCount) {
        return false;
    }
    // 5^e = 5^r × 5^(27q) or 5^r × 5^(-27q), with 0 <= r < 27.
    bool positive = decimalExponent >= 0;
    int magnitude = positive ? decimalExponent : -decimalExponent;
    int q = positive ? magnitude / kChunk : (magnitude + kChunk - 1) / kChunk;
    int r = positive ? magnitude % kChunk : q * kChunk - magnitude;
    SmallProductBounds(digits, r, bounds);
    if (q > 0 && positive) {
        MultiplyByPower(bounds, kPositiveMantissas[q - 1], kPositiveExponents[q - 1], q == 1);
    } else if (q > 0) {
        MultiplyByPower(bounds, kNegativeMantissas[q - 1], kNegativeExponents[q - 1], false);
    }
    bounds->exponent += decimalExponent;
    return true;
}
