// Parse and display rules of the HEX field: the eight bytes in memory order.
#pragma once

#include <stddef.h>

#include "core/raw_value.h"

RawValue ParseHex(const char *text);
void FormatHex(const RawValue *value, char *text, size_t capacity);

// One "%02X" reading starting at 'start' and ending at 'end': the low eight bits of the result.
unsigned char ScanHexPair(const char *start, const char *end);
