// Display texts of binary32 and binary64 numbers, made digit for digit by the core itself.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The "%f" text of a binary32 number (bits as stored), into a zero-filled buffer of 'capacity'
// bytes; the empty text when it needs 'capacity' characters or more.
void FormatBinary32Fixed(uint32_t bits, char *text, size_t capacity);

// The "%e" text of a binary64 number (bits as stored), bounded the same way.
void FormatBinary64Exponent(uint64_t bits, char *text, size_t capacity);
