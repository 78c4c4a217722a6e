// Rounding of an exact binary number to the nearest binary32 or binary64 value.
#pragma once

#include <stdint.h>

struct BinaryFormat {
    int fractionBits;       // stored fraction bits: 23 or 52
    int exponentBias;       // 127 or 1023
    uint32_t infiniteField; // the exponent field of infinities and NaNs: 255 or 2047
    int signBit;            // 31 or 63
};

extern const BinaryFormat kBinary32;
extern const BinaryFormat kBinary64;

// The bits (sign, exponent field, fraction) of the value nearest to (mantissa + s) * 2^exponent,
// where 0 <= s < 1 is a nonzero fraction exactly when 'belowMantissa' is set; halfway cases go to
// the even value. Too large gives the infinity, too small a subnormal or zero, of that sign.
uint64_t RoundToBinary(const BinaryFormat *format, bool negative, uint64_t mantissa,
                       bool belowMantissa, int32_t exponent);

// The sign bit alone: a zero of that sign.
uint64_t BinarySignBit(const BinaryFormat *format, bool negative);

// The infinity of that sign.
uint64_t BinaryInfinity(const BinaryFormat *format, bool negative);
