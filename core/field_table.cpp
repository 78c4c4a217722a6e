// The field table and the lookups over it.
#include "core/field_table.h"

#include <string.h>

#include "core/float_fields.h"
#include "core/hex_field.h"
#include "core/integer_fields.h"
#include "core/time_fields.h"

const FieldSpec kFieldTable[] = {
    {kFieldUint8, "uint8", 3, ParseUint8, FormatUint8, 4},
    {kFieldUint16, "uint16", 5, ParseUint16, FormatUint16, 6},
    {kFieldUint32, "uint32", 10, ParseUint32, FormatUint32, 30},
    {kFieldUint64, "uint64", 0, ParseUint64, FormatUint64, 50},
    {kFieldInt8, "int8", 4, ParseUint8, FormatInt8, 5},
    {kFieldInt16, "int16", 6, ParseUint16, FormatInt16, 7},
    {kFieldInt32, "int32", 11, ParseUint32, FormatInt32, 30},
    {kFieldInt64, "int64", 0, ParseInt64, FormatInt64, 50},
    {kFieldHex, "HEX", 16, ParseHex, FormatHex, 30},
    {kFieldFloat, "float", 0, ParseFloat, FormatFloat, 30},
    {kFieldDouble, "double", 0, ParseDouble, FormatDouble, 30},
    {kFieldWin32Time, "Win32 time", 0, ParseWin32Time, FormatWin32Time, 30},
    {kFieldCTime, "C time", 0, ParseCTime, FormatCTime, 30},
};

const int kFieldCount = (int)(sizeof(kFieldTable) / sizeof(kFieldTable[0]));

static_assert(sizeof(kFieldTable) / sizeof(kFieldTable[0]) == kFieldCountMax,
              "AppState keeps one edit box per row");

const signed char kRowOfFieldId[kRowOfFieldIdCount] = {
    0,  1, 2, 4,  5,  6,  -1, -1, -1, -1, -1, -1, 8, // 4001 to 4013
    -1, 9, 3, -1, -1, 10, -1, 11, -1, 12, -1, -1, 7, // 4014 to 4026
};

const FieldSpec *FindField(FieldId id) {
    int index = FieldIndex(id);
    return index < 0 ? nullptr : &kFieldTable[index];
}

RawValue ParseField(FieldId id, const char *text) {
    const FieldSpec *row = FindField(id);
    return row ? row->parse(text) : ZeroRawValue();
}

void FormatField(const FieldSpec *row, const RawValue *value, char *text) {
    memset(text, 0, kMaxDisplayCapacity);
    size_t capacity = row->displayCapacity;
    if (capacity > kMaxDisplayCapacity) {
        capacity = kMaxDisplayCapacity;
    }
    row->format(value, text, capacity);
}
