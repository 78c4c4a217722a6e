// Tight bounds of a short decimal number, digits × 10^exponent, as 64-bit mantissas: the quick
// and exact way to round most decimal texts without a wide integer or the C library.
#pragma once

#include <stdint.h>

// low × 2^exponent <= value <= high × 2^exponent; high has its top bit set, and high - low is
// five units at most.
struct MantissaBounds {
    uint64_t low;
    uint64_t high;
    int32_t exponent;
};

// Bounds of digits × 10^decimalExponent for digits >= 1 and decimalExponent from -351 to 323,
// which covers every such number that a binary64 value can round to. False outside that range.
bool DecimalBounds(uint64_t digits, int32_t decimalExponent, MantissaBounds *bounds);
