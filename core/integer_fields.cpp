// The integer fields. A signed field reads its text exactly as the unsigned field of the same
// width does, so int8, int16 and int32 share the uint8, uint16 and uint32 parse rules.
#include "core/integer_fields.h"

#include "core/bounded_format.h"
#include "core/decimal_scan.h"

static RawValue ParseLowBits(const char *text, int width) {
    RawValue value = ZeroRawValue();
    StoreLittleEndian(&value, Parse32(text), width);
    return value;
}

RawValue ParseUint8(const char *text) {
    return ParseLowBits(text, 1);
}
RawValue ParseUint16(const char *text) {
    return ParseLowBits(text, 2);
}
RawValue ParseUint32(const char *text) {
    return ParseLowBits(text, 4);
}

// "%llu": saturates above 2^64 - 1 whatever the sign, otherwise negates modulo 2^64.
RawValue ParseUint64(const char *text) {
    RawValue value = ZeroRawValue();
    DecimalScan scan = ScanDecimal(text);
    if (!scan.hasDigits) {
        return value;
    }
    uint64_t number = UINT64_MAX;
    if (!scan.beyond64Bits) {
        number = scan.negative ? 0u - scan.magnitude : scan.magnitude;
    }
    StoreLittleEndian(&value, number, 8);
    return value;
}

// "%lld": saturates at both ends of the signed 64-bit range.
RawValue ParseInt64(const char *text) {
    RawValue value = ZeroRawValue();
    DecimalScan scan = ScanDecimal(text);
    if (!scan.hasDigits) {
        return value;
    }
    const uint64_t largestNegativeMagnitude = (uint64_t)1 << 63;
    uint64_t bits;
    if (scan.negative) {
        bool saturates = scan.beyond64Bits || scan.magnitude > largestNegativeMagnitude;
        bits = saturates ? largestNegativeMagnitude : 0u - scan.magnitude;
    } else {
        bool saturates = scan.beyond64Bits || scan.magnitude > largestNegativeMagnitude - 1;
        bits = saturates ? largestNegativeMagnitude - 1 : scan.magnitude;
    }
    StoreLittleEndian(&value, bits, 8);
    return value;
}

void FormatUint8(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%u", (unsigned)value->bytes[0]);
}

void FormatUint16(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%u", (unsigned)LoadLittleEndian(value, 2));
}

void FormatUint32(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%u", (unsigned)LoadLittleEndian(value, 4));
}

void FormatUint64(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%llu", (unsigned long long)LoadLittleEndian(value, 8));
}

void FormatInt8(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%d", (int)(int8_t)value->bytes[0]);
}

void FormatInt16(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%d", (int)(int16_t)LoadLittleEndian(value, 2));
}

void FormatInt32(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%d", (int)(int32_t)LoadLittleEndian(value, 4));
}

void FormatInt64(const RawValue *value, char *text, size_t capacity) {
    FormatBounded(text, capacity, "%lld", (long long)(int64_t)LoadLittleEndian(value, 8));
}
