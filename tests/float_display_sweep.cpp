// The float and double displays over many bit patterns, against a reference written apart from
// the core: the exact decimal expansion of each value (base 10^9 digits of m × 5^k or m × 2^e),
// rounded on its decimal digits, halfway cases to even. Natively, glibc's exact printing is a
// second reference. Random patterns plus every special class: zeros, subnormals, the extremes,
// infinities, NaNs of both signs, values exactly halfway at the last digit shown, and every
// float around the 29/30-character limit.
//
//   float_display_sweep [RANDOM-PATTERNS]     (10,000,000 unless given)
//
// Prints what it checked and each mismatch (the first few); exit status 1 on any mismatch.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "core/field_table.h"

namespace {

// ---- The reference: exact decimal expansions ----

// A non-negative integer in base 10^9, least significant limb first.
typedef std::vector<uint32_t> Decimal;

const uint32_t kLimbBase = 1000000000u;

void MultiplySmall(Decimal *number, uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t &limb : *number) {
        uint64_t product = (uint64_t)limb * factor + carry;
        limb = (uint32_t)(product % kLimbBase);
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        number->push_back((uint32_t)(carry % kLimbBase));
        carry /= kLimbBase;
    }
}

Decimal FromUint64(uint64_t value) {
    Decimal number;
    do {
        number.push_back((uint32_t)(value % kLimbBase));
        value /= kLimbBase;
    } while (value != 0);
    return number;
}

std::string DigitsOf(const Decimal &number) {
    std::string digits = std::to_string(number.back());
    char group[16];
    for (size_t i = number.size() - 1; i-- > 0;) {
        snprintf(group, sizeof(group), "%09u", number[i]);
        digits += group;
    }
    return digits;
}

// m × 2^e written out exactly: its integer digits and its fraction digits (none when e >= 0).
struct ExactValue {
    std::string integer;
    std::string fraction;
};

ExactValue Expand(uint64_t m, int e) {
    Decimal number = FromUint64(m);
    ExactValue exact;
    if (e >= 0) {
        for (; e >= 29; e -= 29) {
            MultiplySmall(&number, 1u << 29);
        }
        MultiplySmall(&number, 1u << e);
        exact.integer = DigitsOf(number);
        return exact;
    }
    // m × 2^-k = m × 5^k / 10^k: the digits of m × 5^k with the point k places from the right.
    int k = -e;
    for (int left = k; left > 0; left -= 13) {
        uint32_t power = 1;
        for (int i = 0; i < (left < 13 ? left : 13); ++i) {
            power *= 5;
        }
        MultiplySmall(&number, power);
    }
    std::string digits = DigitsOf(number);
    if ((int)digits.size() <= k) {
        digits.insert(0, (size_t)k + 1 - digits.size(), '0');
    }
    exact.integer = digits.substr(0, digits.size() - (size_t)k);
    exact.fraction = digits.substr(digits.size() - (size_t)k);
    return exact;
}

// Adds one to a digit string; true when it carried out of the first digit.
bool IncrementDigits(std::string *digits) {
    for (size_t i = digits->size(); i-- > 0;) {
        if ((*digits)[i] != '9') {
            ++(*digits)[i];
            return false;
        }
        (*digits)[i] = '0';
    }
    return true;
}

// Keeps 'kept' and decides from the dropped digits, halfway cases to an even last digit.
bool RoundsUp(const std::string &kept, const std::string &dropped) {
    if (dropped.empty() || dropped[0] < '5') {
        return false;
    }
    if (dropped[0] > '5' || dropped.find_first_not_of('0', 1) != std::string::npos) {
        return true;
    }
    return !kept.empty() && (kept.back() - '0') % 2 == 1;
}

// "%f" of a binary32 value, or the empty text beyond 29 characters.
std::string ReferenceFixed(uint32_t bits) {
    bool negative = (bits >> 31) != 0;
    uint32_t field = (bits >> 23) & 0xFF;
    uint32_t fraction = bits & 0x7FFFFF;
    if (field == 0xFF) {
        return fraction != 0 ? "nan" : (negative ? "-inf" : "inf");
    }
    uint64_t m = field != 0 ? (fraction | 0x800000u) : fraction;
    int e = field != 0 ? (int)field - 150 : -149;
    ExactValue exact = Expand(m, e);
    std::string digits = exact.integer + (exact.fraction + std::string(6, '0')).substr(0, 6);
    std::string dropped = exact.fraction.size() > 6 ? exact.fraction.substr(6) : "";
    if (RoundsUp(digits, dropped) && IncrementDigits(&digits)) {
        digits.insert(0, "1");
    }
    size_t integerDigits = digits.size() - 6;
    // No leading zeros but one "0" before the point.
    size_t first = digits.find_first_not_of('0');
    size_t start =
        (first == std::string::npos || first >= integerDigits) ? integerDigits - 1 : first;
    std::string text = (negative ? "-" : "") + digits.substr(start, integerDigits - start) + "." +
                       digits.substr(integerDigits);
    return text.size() <= 29 ? text : "";
}

// "%e" of a binary64 value: seven significant digits, at least two exponent digits.
std::string ReferenceExponent(uint64_t bits) {
    bool negative = (bits >> 63) != 0;
    uint32_t field = (uint32_t)(bits >> 52) & 0x7FF;
    uint64_t fraction = bits & 0xFFFFFFFFFFFFFull;
    if (field == 0x7FF) {
        return fraction != 0 ? "nan" : (negative ? "-inf" : "inf");
    }
    uint64_t m = field != 0 ? (fraction | (1ull << 52)) : fraction;
    int e = field != 0 ? (int)field - 1075 : -1074;
    std::string sign = negative ? "-" : "";
    if (m == 0) {
        return sign + "0.000000e+00";
    }
    ExactValue exact = Expand(m, e);
    std::string all = exact.integer + exact.fraction;
    size_t first = all.find_first_not_of('0');
    // The first significant digit stands for 10^exponent.
    int exponent = (int)exact.integer.size() - 1 - (int)first;
    std::string significant = all.substr(first);
    significant.append(7, '0');
    std::string kept = significant.substr(0, 7);
    std::string dropped = significant.substr(7);
    if (RoundsUp(kept, dropped) && IncrementDigits(&kept)) {
        kept = "1000000";
        ++exponent;
    }
    char exponentText[16];
    snprintf(exponentText, sizeof(exponentText), "e%c%02d", exponent < 0 ? '-' : '+',
             exponent < 0 ? -exponent : exponent);
    return sign + kept.substr(0, 1) + "." + kept.substr(1) + exponentText;
}

// ---- The displays under test ----

std::string Shown(FieldId field, uint64_t bits) {
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, bits, 8);
    char text[kMaxDisplayCapacity];
    FormatField(FindField(field), &value, text);
    return text;
}

struct Tally {
    long checked = 0;
    long mismatches = 0;
};

void Report(const char *what, uint64_t bits, const std::string &shown, const std::string &wanted,
            Tally *tally) {
    if (++tally->mismatches <= 20) {
        printf("MISMATCH %s %016llx: shows '%s', reference '%s'\n", what, (unsigned long long)bits,
               shown.c_str(), wanted.c_str());
    }
}

void CheckFloat(uint32_t bits, Tally *tally) {
    ++tally->checked;
    std::string shown = Shown(kFieldFloat, bits);
    std::string wanted = ReferenceFixed(bits);
    if (shown != wanted) {
        Report("float", bits, shown, wanted, tally);
    }
#if defined(__GLIBC__)
    // glibc prints every digit exactly; its NaN keeps a sign the display drops.
    float number;
    memcpy(&number, &bits, sizeof(number));
    char printed[64];
    int length = snprintf(printed, sizeof(printed), "%f", (double)number);
    bool isNan = (bits & 0x7FFFFFFFu) > 0x7F800000u;
    std::string library = isNan ? "nan" : (length <= 29 ? printed : "");
    if (library != wanted) {
        Report("float (glibc against the reference)", bits, library, wanted, tally);
    }
#endif
}

void CheckDouble(uint64_t bits, Tally *tally) {
    ++tally->checked;
    std::string shown = Shown(kFieldDouble, bits);
    std::string wanted = ReferenceExponent(bits);
    if (shown != wanted) {
        Report("double", bits, shown, wanted, tally);
    }
#if defined(__GLIBC__)
    double number;
    memcpy(&number, &bits, sizeof(number));
    char printed[64];
    snprintf(printed, sizeof(printed), "%e", number);
    bool isNan = (bits & 0x7FFFFFFFFFFFFFFFull) > 0x7FF0000000000000ull;
    std::string library = isNan ? "nan" : printed;
    if (library != wanted) {
        Report("double (glibc against the reference)", bits, library, wanted, tally);
    }
#endif
}

uint32_t FloatBits(float number) {
    uint32_t bits;
    memcpy(&bits, &number, sizeof(bits));
    return bits;
}

uint64_t DoubleBits(double number) {
    uint64_t bits;
    memcpy(&bits, &number, sizeof(bits));
    return bits;
}

void CheckSpecialFloats(std::mt19937_64 *random, Tally *tally) {
    const uint32_t kFixed[] = {
        0x00000000u, 0x00000001u, 0x007FFFFFu, 0x00800000u, 0x7F7FFFFFu, 0x7F800000u,
        0x7F800001u, 0x7FBFFFFFu, 0x7FC00000u, 0x7FFFFFFFu, 0x3F800000u, 0x4B000001u,
        0x5F800000u, 0x64078678u, 0x64078679u, 0xE258D726u, 0xE258D727u, 0x358637BDu,
    };
    for (uint32_t bits : kFixed) {
        CheckFloat(bits, tally);
        CheckFloat(bits ^ 0x80000000u, tally);
    }
    for (int i = 0; i < 20000; ++i) { // subnormals of both signs
        uint32_t bits = (uint32_t)((*random)() % 0x7FFFFFu) + 1;
        CheckFloat(bits | ((*random)() & 1 ? 0x80000000u : 0), tally);
    }
    // Every float from well below to well above the last value that fits 29 characters, on
    // both sides of zero: 23 or more integer digits do not fit, or 22 with a minus sign.
    const uint32_t kLastFitting[] = {0x64078678u, 0xE258D726u};
    for (uint32_t last : kLastFitting) {
        for (uint32_t bits = last - 100000; bits != last + 100000; ++bits) {
            CheckFloat(bits, tally);
        }
    }
    // Odd multiples of 2^-7 end in a 5 at the seventh decimal: exactly halfway.
    for (int i = 0; i < 20000; ++i) {
        uint32_t odd = (uint32_t)((*random)() % (1u << 23)) | 1u;
        CheckFloat(FloatBits((float)odd / 128.0f), tally);
        CheckFloat(FloatBits(-(float)odd / 128.0f), tally);
    }
}

void CheckSpecialDoubles(std::mt19937_64 *random, Tally *tally) {
    const uint64_t kFixed[] = {
        0x0000000000000000ull, 0x0000000000000001ull, 0x000FFFFFFFFFFFFFull, 0x0010000000000000ull,
        0x7FEFFFFFFFFFFFFFull, 0x7FF0000000000000ull, 0x7FF0000000000001ull, 0x7FF7FFFFFFFFFFFFull,
        0x7FF8000000000000ull, 0x7FFFFFFFFFFFFFFFull, 0x3FF0000000000000ull, 0x000000000000CFC7ull,
    };
    for (uint64_t bits : kFixed) {
        CheckDouble(bits, tally);
        CheckDouble(bits ^ 0x8000000000000000ull, tally);
    }
    for (int i = 0; i < 20000; ++i) { // subnormals of both signs, all sizes
        uint64_t bits = ((*random)() >> ((*random)() % 52 + 12)) + 1;
        CheckDouble(bits | ((*random)() & 1 ? 0x8000000000000000ull : 0), tally);
    }
    // Integers with eight digits ending in 5, and seven-digit integers plus one half, lie
    // exactly halfway at the seventh significant digit.
    for (int i = 0; i < 20000; ++i) {
        uint64_t n = 1000000 + (*random)() % 9000000;
        CheckDouble(DoubleBits((double)(n * 10 + 5)), tally);
        CheckDouble(DoubleBits((double)n + 0.5), tally);
        CheckDouble(DoubleBits(-((double)n + 0.5)), tally);
    }
    // Just below and above each power of ten, where the shown exponent changes.
    for (int p = -320; p <= 308; ++p) {
        double power = strtod(("1e" + std::to_string(p)).c_str(), nullptr);
        uint64_t bits = DoubleBits(power);
        for (uint64_t step = 0; step < 4; ++step) {
            CheckDouble(bits + step, tally);
            CheckDouble(bits - step, tally);
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    long samples = argc > 1 ? atol(argv[1]) : 10000000;
    if (samples < 0) {
        fprintf(stderr, "usage: float_display_sweep [RANDOM-PATTERNS]\n");
        return 2;
    }
    std::mt19937_64 random(0x5EED2024u);
    Tally floats, doubles;
    CheckSpecialFloats(&random, &floats);
    CheckSpecialDoubles(&random, &doubles);
    for (long i = 0; i < samples; ++i) {
        uint64_t bits = random();
        CheckDouble(bits, &doubles);
        CheckFloat((uint32_t)(bits >> 32) ^ (uint32_t)bits, &floats);
    }
    printf("float display: %ld values (%ld random), %ld mismatches\n", floats.checked, samples,
           floats.mismatches);
    printf("double display: %ld values (%ld random), %ld mismatches\n", doubles.checked, samples,
           doubles.mismatches);
    return floats.mismatches == 0 && doubles.mismatches == 0 ? 0 : 1;
}
