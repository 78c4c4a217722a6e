// The fixed-size unsigned integer: schoolbook operations on 32-bit limbs with 64-bit carries.
#include "core/wide_integer.h"

#include <string.h>

static const uint32_t kTenToTheNinth = 1000000000u;

static void TrimUnused(WideUint *w) {
    while (w->used > 0 && w->limb[w->used - 1] == 0) {
        --w->used;
    }
}

void WideSet(WideUint *w, uint64_t number) {
    memset(w, 0, sizeof(*w));
    w->limb[0] = (uint32_t)number;
    w->limb[1] = (uint32_t)(number >> 32);
    w->used = 2;
    TrimUnused(w);
}

bool WideIsZero(const WideUint *w) {
    return w->used == 0;
}

bool WideToUint64(const WideUint *w, uint64_t *number) {
    if (w->used > 2) {
        return false;
    }
    *number = ((uint64_t)w->limb[1] << 32) | w->limb[0];
    return true;
}

// Puts a carry out of the top limb into a new limb, or records that there is no room.
static void AppendCarry(WideUint *w, uint32_t carry) {
    if (carry == 0) {
        return;
    }
    if (w->used < kWideLimbs) {
        w->limb[w->used++] = carry;
    } else {
        w->overflow = true;
    }
}

void WideMultiplySmall(WideUint *w, uint32_t factor) {
    uint64_t carry = 0;
    for (int i = 0; i < w->used; ++i) {
        uint64_t product = (uint64_t)w->limb[i] * factor + carry;
        w->limb[i] = (uint32_t)product;
        carry = product >> 32;
    }
    AppendCarry(w, (uint32_t)carry);
    TrimUnused(w);
}

void WideAddSmall(WideUint *w, uint32_t addend) {
    uint64_t carry = addend;
    for (int i = 0; i < w->used && carry != 0; ++i) {
        uint64_t sum = (uint64_t)w->limb[i] + carry;
        w->limb[i] = (uint32_t)sum;
        carry = sum >> 32;
    }
    AppendCarry(w, (uint32_t)carry);
}

static const uint32_t kFiveToTheThirteenth = 1220703125u; // the largest power of five in 32 bits

static uint32_t SmallPowerOfFive(int exponent) {
    uint32_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 5;
    }
    return power;
}

void WideMultiplyPowerOfFive(WideUint *w, int exponent) {
    for (; exponent >= 13; exponent -= 13) {
        WideMultiplySmall(w, kFiveToTheThirteenth);
    }
    if (exponent > 0) {
        WideMultiplySmall(w, SmallPowerOfFive(exponent));
    }
}

void WideShiftLeft(WideUint *w, int bits) {
    if (bits <= 0 || w->used == 0) {
        return;
    }
    int limbShift = bits / 32;
    int bitShift = bits % 32;
    int newUsed = w->used + limbShift + 1;
    if (newUsed > kWideLimbs) {
        w->overflow = true;
        newUsed = kWideLimbs;
    }
    for (int i = newUsed - 1; i >= 0; --i) {
        int source = i - limbShift;
        uint32_t high = (source >= 0 && source < w->used) ? w->limb[source] : 0;
        uint32_t low = (source - 1 >= 0 && source - 1 < w->used) ? w->limb[source - 1] : 0;
        w->limb[i] = bitShift == 0 ? high : (high << bitShift) | (low >> (32 - bitShift));
    }
    w->used = newUsed;
    TrimUnused(w);
}

// Divides in place and returns the remainder.
static uint32_t DivideWithRemainder(WideUint *w, uint32_t divisor) {
    uint64_t remainder = 0;
    for (int i = w->used - 1; i >= 0; --i) {
        uint64_t part = (remainder << 32) | w->limb[i];
        w->limb[i] = (uint32_t)(part / divisor);
        remainder = part % divisor;
    }
    TrimUnused(w);
    return (uint32_t)remainder;
}

bool WideDivideSmall(WideUint *w, uint32_t divisor) {
    return DivideWithRemainder(w, divisor) != 0;
}

bool WideDividePowerOfFive(WideUint *w, int exponent) {
    bool dropped = false;
    for (; exponent >= 13; exponent -= 13) {
        dropped |= WideDivideSmall(w, kFiveToTheThirteenth);
    }
    if (exponent > 0) {
        dropped |= WideDivideSmall(w, SmallPowerOfFive(exponent));
    }
    return dropped;
}

bool WideShiftRight(WideUint *w, int bits) {
    if (bits <= 0 || w->used == 0) {
        return false;
    }
    int limbShift = bits / 32;
    int bitShift = bits % 32;
    if (limbShift >= w->used) {
        w->used = 0;
        memset(w->limb, 0, sizeof(w->limb));
        return true; // the number was nonzero
    }
    bool dropped = false;
    for (int i = 0; i < limbShift; ++i) {
        dropped |= w->limb[i] != 0;
    }
    if (bitShift != 0) {
        dropped |= (w->limb[limbShift] & ((1u << bitShift) - 1)) != 0;
    }
    for (int i = 0; i < w->used; ++i) {
        int source = i + limbShift;
        uint32_t low = source < w->used ? w->limb[source] : 0;
        uint32_t high = source + 1 < w->used ? w->limb[source + 1] : 0;
        w->limb[i] = bitShift == 0 ? low : (low >> bitShift) | (high << (32 - bitShift));
    }
    TrimUnused(w);
    return dropped;
}

void WideShiftRightRoundingToEven(WideUint *w, int bits) {
    if (bits <= 0) {
        return;
    }
    bool belowHalf = WideShiftRight(w, bits - 1);
    bool half = w->used > 0 && (w->limb[0] & 1u) != 0;
    WideShiftRight(w, 1);
    bool odd = w->used > 0 && (w->limb[0] & 1u) != 0;
    if (half && (belowHalf || odd)) {
        WideAddSmall(w, 1);
    }
}

size_t WideToDecimal(const WideUint *w, size_t minDigits, char *text, size_t capacity) {
    // Nine digits per division by 10^9, least significant group first, reversed at the end.
    char reversed[kWideLimbs * 10 + 1];
    size_t count = 0;
    WideUint rest = *w;
    while (!WideIsZero(&rest)) {
        uint32_t group = DivideWithRemainder(&rest, kTenToTheNinth);
        for (int i = 0; i < 9 && count < sizeof(reversed); ++i) {
            reversed[count++] = (char)('0' + group % 10);
            group /= 10;
        }
    }
    while (count > 0 && reversed[count - 1] == '0') {
        --count;
    }
    while (count < minDigits && count < sizeof(reversed)) {
        reversed[count++] = '0';
    }
    if (capacity == 0) {
        return 0;
    }
    memset(text, 0, capacity);
    if (count + 1 > capacity) {
        return 0;
    }
    for (size_t i = 0; i < count; ++i) {
        text[i] = reversed[count - 1 - i];
    }
    return count;
}
