// Formatted printing that never cuts: a text that does not fit gives the empty text.
#pragma once

#include <stddef.h>

#if defined(__GNUC__)
#define CONVERTER_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define CONVERTER_PRINTF(fmt, args)
#endif

// Zero-fills 'buffer' (capacity bytes, terminator included), prints into it and returns the
// text's length; returns 0 with an empty buffer when the text needs capacity bytes or more.
size_t FormatBounded(char *buffer, size_t capacity, const char *format, ...) CONVERTER_PRINTF(3, 4);
