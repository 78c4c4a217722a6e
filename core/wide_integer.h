// A small fixed-size unsigned integer of 32-bit limbs for exact decimal formatting.
#pragma once

#include <stddef.h>
#include <stdint.h>

// 1280 bits: far more than the exact scalings of a binary64 value need (under 830 bits).
enum { kWideLimbs = 40 };

struct WideUint {
    uint32_t limb[kWideLimbs]; // least significant limb first
    int used;                  // limbs in use; limb[used - 1] is nonzero unless used is 0
    bool overflow;             // an operation needed more than kWideLimbs limbs
};

void WideSet(WideUint *w, uint64_t number);
bool WideIsZero(const WideUint *w);

// True when the number fits in 64 bits; then *number holds it.
bool WideToUint64(const WideUint *w, uint64_t *number);

void WideMultiplySmall(WideUint *w, uint32_t factor);
void WideAddSmall(WideUint *w, uint32_t addend);
void WideMultiplyPowerOfFive(WideUint *w, int exponent);
void WideShiftLeft(WideUint *w, int bits);

// Divisions that truncate and return whether anything nonzero was dropped. Truncating step by
// step gives the same quotient as one exact division, so a chain of them stays exact.
bool WideDivideSmall(WideUint *w, uint32_t divisor);
bool WideDividePowerOfFive(WideUint *w, int exponent);
bool WideShiftRight(WideUint *w, int bits);

// Divides by 2^bits and rounds to the nearest integer, halfway cases to the even one.
void WideShiftRightRoundingToEven(WideUint *w, int bits);

// The decimal digits, at least 'minDigits' of them (leading zeros added). Returns the count, or
// 0 with an empty text when the digits and the terminator need more than 'capacity' bytes.
size_t WideToDecimal(const WideUint *w, size_t minDigits, char *text, size_t capacity);
