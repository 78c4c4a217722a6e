// Round to nearest, ties to even, into the IEEE 754 binary32 and binary64 formats.
#include "core/binary_rounding.h"

const BinaryFormat kBinary32 = {23, 127, 0xFFu, 31};
const BinaryFormat kBinary64 = {52, 1023, 0x7FFu, 63};

// Exponents far outside both formats all round the same way; clamping keeps sums in range.
static const int32_t kExponentClamp = 1 << 20;

uint64_t BinarySignBit(const BinaryFormat *format, bool negative) {
    return negative ? (uint64_t)1 << format->signBit : 0;
}

uint64_t BinaryInfinity(const BinaryFormat *format, bool negative) {
    return BinarySignBit(format, negative) |
           ((uint64_t)format->infiniteField << format->fractionBits);
}

uint64_t RoundToBinary(const BinaryFormat *format, bool negative, uint64_t mantissa,
                       bool belowMantissa, int32_t exponent) {
    uint64_t sign = BinarySignBit(format, negative);
    if (mantissa == 0) {
        return sign;
    }
    if (exponent > kExponentClamp) {
        exponent = kExponentClamp;
    }
    if (exponent < -kExponentClamp) {
        exponent = -kExponentClamp;
    }
    // Bring the leading one to bit 63: the value is then 1.xxx * 2^(exponent + 63).
    while ((mantissa >> 63) == 0) {
        mantissa <<= 1;
        --exponent;
    }
    int32_t biased = exponent + 63 + format->exponentBias;
    if (biased >= (int32_t)format->infiniteField) {
        return BinaryInfinity(format, negative);
    }
    // Bits of the 64 to drop so that fractionBits + 1 remain; more for a subnormal, whose
    // exponent field is 0 but which counts as the smallest normal exponent.
    int32_t dropBits = 64 - (format->fractionBits + 1);
    if (biased <= 0) {
        dropBits += 1 - biased;
        biased = 0;
    }
    uint64_t kept = 0;
    bool halfBit = false;
    bool belowHalf = belowMantissa;
    if (dropBits > 64) {
        belowHalf = true; // the whole mantissa lies below the half of the smallest step
    } else if (dropBits == 64) {
        halfBit = (mantissa >> 63) != 0;
        belowHalf |= (mantissa << 1) != 0;
    } else {
        kept = mantissa >> dropBits;
        halfBit = ((mantissa >> (dropBits - 1)) & 1u) != 0;
        belowHalf |= (mantissa & (((uint64_t)1 << (dropBits - 1)) - 1)) != 0;
    }
    if (halfBit && (belowHalf || (kept & 1u) != 0)) {
        ++kept; // a carry into the exponent field is exactly the next binade (or the infinity)
    }
    // A normal value's kept bits include the leading one, which lands on the exponent field.
    uint64_t exponentPart = biased == 0 ? 0 : (uint64_t)(biased - 1) << format->fractionBits;
    return sign | (exponentPart + kept);
}
