// Small helpers shared by the tests: byte dumps and values from byte lists.
#pragma once

#include <stdio.h>
#include <string>

#include "core/raw_value.h"

// "05 00 00 00 00 00 00 00": the eight bytes, byte 0 first.
inline std::string ByteDump(const RawValue &value) {
    std::string dump;
    char pair[4];
    for (int i = 0; i < 8; ++i) {
        snprintf(pair, sizeof(pair), i ? " %02X" : "%02X", value.bytes[i]);
        dump += pair;
    }
    return dump;
}

// A value from up to eight bytes, byte 0 first; the rest are zero.
inline RawValue ValueOf(std::initializer_list<unsigned> bytes) {
    RawValue value = ZeroRawValue();
    int i = 0;
    for (unsigned b : bytes) {
        if (i < 8) {
            value.bytes[i++] = (unsigned char)b;
        }
    }
    return value;
}
