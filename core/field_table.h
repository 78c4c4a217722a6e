// The field table: one row per field, in the order of the boxes from top to bottom.
#pragma once

#include <stddef.h>

#include "core/field_id.h"
#include "core/raw_value.h"

typedef RawValue (*ParseRule)(const char *text);
typedef void (*FormatRule)(const RawValue *value, char *text, size_t capacity);

struct FieldSpec {
    FieldId id;
    const char *label;
    int textLimit; // 0: the window system's default
    ParseRule parse;
    FormatRule format;
    size_t displayCapacity; // terminator included
};

// Large enough for every row's display capacity.
enum { kMaxDisplayCapacity = 64 };

extern const FieldSpec kFieldTable[];
extern const int kFieldCount;

// The row of 'id', or null for an id that is no field.
const FieldSpec *FindField(FieldId id);

// The row of each id from 4001 (uint8) to 4026 (int64), -1 for the ids in between that name no
// field. Every handling looks rows up several times, so this is one step, not a search.
enum { kRowOfFieldIdCount = 26 };
extern const signed char kRowOfFieldId[kRowOfFieldIdCount];

// The row's position in the table, or -1.
inline int FieldIndex(FieldId id) {
    FieldId offset = id - kFieldUint8; // ids below 4001 wrap round to large offsets
    return offset < (FieldId)kRowOfFieldIdCount ? kRowOfFieldId[offset] : -1;
}

// A new value made from eight zero bytes by the field's parse rule (all zero for a non-field id).
RawValue ParseField(FieldId id, const char *text);

// The row's text for 'value' in a zero-filled buffer of the row's display capacity; 'text'
// holds kMaxDisplayCapacity bytes.
void FormatField(const FieldSpec *row, const RawValue *value, char *text);
