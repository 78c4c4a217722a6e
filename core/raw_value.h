// The eight bytes that every view reads, least significant byte first.
#pragma once

#include <stdint.h>

struct RawValue {
    unsigned char bytes[8];
};

// A fresh value for one change: eight zero bytes.
inline RawValue ZeroRawValue() {
    RawValue value = {{0, 0, 0, 0, 0, 0, 0, 0}};
    return value;
}

// Little-endian stores and loads over the first 'width' bytes.
inline void StoreLittleEndian(RawValue *value, uint64_t number, int width) {
    for (int i = 0; i < width; ++i) {
        value->bytes[i] = (unsigned char)(number >> (8 * i));
    }
}

inline uint64_t LoadLittleEndian(const RawValue *value, int width) {
    uint64_t number = 0;
    for (int i = width - 1; i >= 0; --i) {
        number = (number << 8) | value->bytes[i];
    }
    return number;
}
