// The fuzz targets' check: a property that does not hold prints what failed and aborts, which
// libFuzzer reports as a crash and keeps the input that caused it.
#pragma once

#include <stdio.h>
#include <stdlib.h>

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,             \
                    #condition);                                                                   \
            fprintf(stderr, __VA_ARGS__);                                                          \
            fprintf(stderr, "\n");                                                                 \
            abort();                                                                               \
        }                                                                                          \
    } while (0)
