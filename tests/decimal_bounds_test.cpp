// The bounds behind the quick reading of short decimal numbers: checked exactly with wide
// integers at every decimal exponent, and the readings that rest on them checked against the C
// library's correctly rounding strtod and strtof.
#include <gtest/gtest.h>

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>

#include "core/decimal_bounds.h"
#include "core/field_table.h"
#include "core/wide_integer.h"
#include "tests/test_support.h"

namespace {

// -1, 0 or 1 as a is below, equal to or above b.
int Compare(const WideUint &a, const WideUint &b) {
    if (a.used != b.used) {
        return a.used < b.used ? -1 : 1;
    }
    for (int i = a.used - 1; i >= 0; --i) {
        if (a.limb[i] != b.limb[i]) {
            return a.limb[i] < b.limb[i] ? -1 : 1;
        }
    }
    return 0;
}

// Compares m × 2^exponent with digits × 10^decimalExponent exactly: both sides are brought to
// integers by moving every negative power to the other side.
int CompareWithDecimal(uint64_t m, int exponent, uint64_t digits, int decimalExponent) {
    WideUint left, right;
    WideSet(&left, m);
    WideSet(&right, digits);
    int twos = exponent - decimalExponent; // m × 2^twos against digits × 5^decimalExponent
    if (decimalExponent >= 0) {
        WideMultiplyPowerOfFive(&right, decimalExponent);
    } else {
        WideMultiplyPowerOfFive(&left, -decimalExponent);
    }
    if (twos >= 0) {
        WideShiftLeft(&left, twos);
    } else {
        WideShiftLeft(&right, -twos);
    }
    EXPECT_FALSE(left.overflow || right.overflow);
    return Compare(left, right);
}

void ExpectTightBounds(uint64_t digits, int decimalExponent) {
    MantissaBounds bounds;
    ASSERT_TRUE(DecimalBounds(digits, decimalExponent, &bounds))
        << digits << "e" << decimalExponent;
    EXPECT_NE(bounds.high >> 63, 0u) << digits << "e" << decimalExponent;
    EXPECT_LE(bounds.low, bounds.high);
    // One unit from the exact small product, one from the table, two from the shift of the
    // product and one from rounding it.
    EXPECT_LE(bounds.high - bounds.low, 5u) << digits << "e" << decimalExponent;
    EXPECT_LE(CompareWithDecimal(bounds.low, bounds.exponent, digits, decimalExponent), 0)
        << digits << "e" << decimalExponent;
    EXPECT_GE(CompareWithDecimal(bounds.high, bounds.exponent, digits, decimalExponent), 0)
        << digits << "e" << decimalExponent;
}

TEST(DecimalBounds, HoldTheExactValueAtEveryExponent) {
    const uint64_t kDigits[] = {1,
                                5,
                                9,
                                10,
                                2627985,
                                9999999,
                                4503599627370497ull,
                                9007199254740993ull,
                                9999999999999999999ull,
                                UINT64_MAX};
    for (int e = -351; e <= 323; ++e) {
        for (uint64_t digits : kDigits) {
            ExpectTightBounds(digits, e);
        }
    }
}

TEST(DecimalBounds, HoldForRandomDigits) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        uint64_t digits = random() >> (random() % 64);
        int e = (int)(random() % 675) - 351;
        if (digits != 0) {
            ExpectTightBounds(digits, e);
        }
    }
}

TEST(DecimalBounds, AreExactWhereTheValueIsAShortInteger) {
    MantissaBounds bounds;
    ASSERT_TRUE(DecimalBounds(15, 0, &bounds));
    EXPECT_EQ(bounds.low, bounds.high);
    EXPECT_EQ(bounds.low, 15ull << 60);
    EXPECT_EQ(bounds.exponent, -60);
    ASSERT_TRUE(DecimalBounds(1, 27, &bounds)); // 5^27 × 2^27 in 63 bits, exactly
    EXPECT_EQ(bounds.low, bounds.high);
}

TEST(DecimalBounds, RefuseWhatTheTablesDoNotReach) {
    MantissaBounds bounds;
    EXPECT_FALSE(DecimalBounds(1, 324, &bounds));
    EXPECT_FALSE(DecimalBounds(1, -352, &bounds));
    EXPECT_FALSE(DecimalBounds(0, 0, &bounds));
}

std::string BytesOfDouble(double number) {
    RawValue value = ZeroRawValue();
    memcpy(value.bytes, &number, sizeof(number));
    return ByteDump(value);
}

std::string BytesOfFloat(float number) {
    RawValue value = ZeroRawValue();
    memcpy(value.bytes, &number, sizeof(number));
    return ByteDump(value);
}

// Short texts, and texts lying within a few units of the nineteenth digit of a halfway point
// between two neighbouring values, where the bounds cannot decide and the library is asked.
TEST(DecimalReading, MatchesTheLibraryOnShortAndNearHalfwayTexts) {
    std::mt19937_64 random(7);
    char text[80];
    for (int i = 0; i < 150000; ++i) {
        if (i % 3 == 0) {
            int digitCount = 1 + (int)(random() % 19);
            int length = 0;
            if (random() & 1) {
                text[length++] = '-';
            }
            for (int d = 0; d < digitCount; ++d) {
                text[length++] = (char)('0' + random() % 10);
                if (d == 0) {
                    text[length++] = '.';
                }
            }
            snprintf(text + length, sizeof(text) - (size_t)length, "e%d",
                     (int)(random() % 720) - 370);
        } else if (i % 3 == 1) {
            uint32_t bits = (uint32_t)random();
            float below;
            memcpy(&below, &bits, sizeof(below));
            if (!isfinite(below) || below < 0) {
                continue;
            }
            // Exact in double precision: the halfway point between two neighbouring floats.
            double halfway = ((double)below + (double)nextafterf(below, INFINITY)) / 2;
            snprintf(text, sizeof(text), "%.*e", (int)(random() % 19), halfway);
        } else {
            uint64_t bits = random();
            double below;
            memcpy(&below, &bits, sizeof(below));
            if (!isfinite(below) || below < 0) {
                continue;
            }
            double above = nextafter(below, INFINITY);
            // The halfway point has at most 767 significant digits; 18 after the point keep
            // the text short enough for the quick reading.
            snprintf(text, sizeof(text), "%.18e", below / 2 + above / 2);
        }
        EXPECT_EQ(ByteDump(ParseField(kFieldDouble, text)), BytesOfDouble(strtod(text, nullptr)))
            << text;
        EXPECT_EQ(ByteDump(ParseField(kFieldFloat, text)), BytesOfFloat(strtof(text, nullptr)))
            << text;
    }
}

} // namespace
