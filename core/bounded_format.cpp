// Formatted printing into a zero-filled buffer, checked so that a cut text never results.
#include "core/bounded_format.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

size_t FormatBounded(char *buffer, size_t capacity, const char *format, ...) {
    if (capacity == 0) {
        return 0;
    }
    memset(buffer, 0, capacity);
    va_list args;
    va_start(args, format);
    int written = vsnprintf(buffer, capacity, format, args);
    va_end(args);
    if (written < 0 || (size_t)written >= capacity) {
        memset(buffer, 0, capacity);
        return 0;
    }
    return (size_t)written;
}
