// The decimal reading shared by every integer field: white space, one sign, digits.
#pragma once

#include <stdint.h>

struct DecimalScan {
    bool negative;
    bool hasDigits;
    bool beyond64Bits;  // the digits spell a number above 18446744073709551615
    uint64_t magnitude; // the number the digits spell, when not beyond64Bits
};

// Reads at the start of 'text': skips white space, takes one optional "+" or "-", then every
// decimal digit that follows. Whatever comes after the digits is ignored.
DecimalScan ScanDecimal(const char *text);

// strtoul in base 10 as on a platform whose unsigned long has 32 bits: saturates at 4294967295
// before a minus sign negates modulo 2^32.
uint32_t Parse32(const char *text);
