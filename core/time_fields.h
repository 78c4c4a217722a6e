// Parse and display rules of the Win32 time and C time fields.
#pragma once

#include <stddef.h>

#include "core/raw_value.h"

RawValue ParseWin32Time(const char *text);
void FormatWin32Time(const RawValue *value, char *text, size_t capacity);

RawValue ParseCTime(const char *text);
void FormatCTime(const RawValue *value, char *text, size_t capacity);
