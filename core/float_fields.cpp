// The float and double fields: the scanner and the reading for parsing, the exact texts for
// display, over the raw value's little-endian bytes.
#include "core/float_fields.h"

#include "core/float_read.h"
#include "core/float_scan.h"
#include "core/float_text.h"

RawValue ParseFloat(const char *text) {
    RawValue value = ZeroRawValue();
    FloatScan scan = ScanFloatText(text);
    StoreLittleEndian(&value, ReadBinary32(&scan), 4);
    return value;
}

RawValue ParseDouble(const char *text) {
    RawValue value = ZeroRawValue();
    FloatScan scan = ScanFloatText(text);
    StoreLittleEndian(&value, ReadBinary64(&scan), 8);
    return value;
}

void FormatFloat(const RawValue *value, char *text, size_t capacity) {
    FormatBinary32Fixed((uint32_t)LoadLittleEndian(value, 4), text, capacity);
}

void FormatDouble(const RawValue *value, char *text, size_t capacity) {
    FormatBinary64Exponent(LoadLittleEndian(value, 8), text, capacity);
}
