// Parse and display rules of the float and double fields.
#pragma once

#include <stddef.h>

#include "core/raw_value.h"

// Bytes 0 to 3 as binary32 (bytes 4 to 7 stay zero), and bytes 0 to 7 as binary64.
RawValue ParseFloat(const char *text);
RawValue ParseDouble(const char *text);

// "%f" of bytes 0 to 3 as binary32, and "%e" of bytes 0 to 7 as binary64.
void FormatFloat(const RawValue *value, char *text, size_t capacity);
void FormatDouble(const RawValue *value, char *text, size_t capacity);
