// Fuzz target: one change of a field box through OnFieldChanged and the window-free boxes. The
// first byte chooses the field, the rest up to the first zero byte is the box's new text (any
// bytes, up to 511 characters, so also past the 98 that a handling reads). Checks that the change
// makes exactly twelve writes in table order, leaves the changed box as it was written, sets no
// byte outside the field's range, and writes every other box with the text its rule makes of the
// value, within the box's text limit and the rule's display capacity.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "core/app_state.h"
#include "core/field_boxes.h"
#include "core/field_table.h"
#include "core/memory_boxes.h"
#include "fuzz/fuzz_check.h"

namespace {

// How many bytes, from byte 0, each field's parse may set (HEX: at most this many).
int BytesSetBy(FieldId id) {
    switch (id) {
    case kFieldUint8:
    case kFieldInt8:
        return 1;
    case kFieldUint16:
    case kFieldInt16:
        return 2;
    case kFieldUint32:
    case kFieldInt32:
    case kFieldFloat:
    case kFieldCTime:
        return 4;
    default:
        return 8;
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
}

// The eight bytes that the HEX box shows: sixteen upper-case digits, byte 0 first.
RawValue ValueShownInHex() {
    const char *text = BoxText(kFieldHex);
    FUZZ_CHECK(strlen(text) == 16, "HEX shows '%s'", text);
    RawValue value = ZeroRawValue();
    for (int i = 0; i < 8; ++i) {
        int high = HexValue(text[2 * i]);
        int low = HexValue(text[2 * i + 1]);
        FUZZ_CHECK(high >= 0 && low >= 0, "HEX shows '%s'", text);
        value.bytes[i] = (unsigned char)(high * 16 + low);
    }
    return value;
}

// The value of the refresh, read back from a box that shows all eight bytes.
RawValue ValueOfTheRefresh(FieldId changed) {
    if (changed != kFieldHex) {
        return ValueShownInHex();
    }
    RawValue value = ZeroRawValue();
    uint64_t number = 0;
    for (const char *p = BoxText(kFieldUint64); *p; ++p) {
        FUZZ_CHECK(*p >= '0' && *p <= '9', "uint64 shows '%s'", BoxText(kFieldUint64));
        number = number * 10 + (uint64_t)(*p - '0');
    }
    StoreLittleEndian(&value, number, 8);
    return value;
}

void CheckWrites(FieldId changed) {
    FUZZ_CHECK(g_memoryBoxes.writeCount == 1 + (kFieldCount - 1), "%d writes",
               g_memoryBoxes.writeCount);
    FUZZ_CHECK(g_memoryBoxes.handlingCount == kFieldCount, "%d handlings",
               g_memoryBoxes.handlingCount);
    FUZZ_CHECK(g_memoryBoxes.writeLog[0] == changed, "first write to %u",
               g_memoryBoxes.writeLog[0]);
    int logged = 1;
    for (int row = 0; row < kFieldCount; ++row) {
        if (kFieldTable[row].id != changed) {
            FUZZ_CHECK(g_memoryBoxes.writeLog[logged] == kFieldTable[row].id, "write %d went to %u",
                       logged, g_memoryBoxes.writeLog[logged]);
            ++logged;
        }
    }
    FUZZ_CHECK(g_app.activeField == changed && !g_app.refreshInProgress, "active %u",
               g_app.activeField);
}

void CheckOtherBoxes(FieldId changed, const RawValue *value) {
    for (int row = 0; row < kFieldCount; ++row) {
        const FieldSpec &spec = kFieldTable[row];
        if (spec.id == changed) {
            continue;
        }
        const char *shown = BoxText(spec.id);
        size_t length = strlen(shown);
        FUZZ_CHECK(length + 1 <= spec.displayCapacity, "%s shows %zu characters", spec.label,
                   length);
        FUZZ_CHECK(spec.textLimit == 0 || length <= (size_t)spec.textLimit,
                   "%s shows %zu characters", spec.label, length);
        char expected[kMaxDisplayCapacity];
        FormatField(&spec, value, expected);
        FUZZ_CHECK(strcmp(shown, expected) == 0, "%s shows '%s', its rule makes '%s'", spec.label,
                   shown, expected);
    }
}

void CheckValue(FieldId changed, const char *read, const RawValue *value) {
    int set = BytesSetBy(changed);
    if (changed == kFieldHex) {
        size_t pairs = strlen(read) / 2;
        set = pairs < 8 ? (int)pairs : 8;
    }
    for (int i = set; i < 8; ++i) {
        FUZZ_CHECK(value->bytes[i] == 0, "byte %d is %02X after a change of %u", i, value->bytes[i],
                   changed);
    }
    // The C time rule fills what the text lacks from the current time, which moves on.
    if (changed != kFieldCTime) {
        RawValue parsed = ParseField(changed, read);
        FUZZ_CHECK(memcmp(parsed.bytes, value->bytes, 8) == 0,
                   "the refresh's value differs from the parse of the text read");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) {
        return 0;
    }
    FieldId changed = kFieldTable[data[0] % kFieldCount].id;
    char text[kMemoryBoxCapacity];
    size_t length = 0;
    for (size_t i = 1; i < size && data[i] != 0 && length + 1 < sizeof(text); ++i) {
        text[length++] = (char)data[i];
    }
    text[length] = '\0';

    StartBoxesFromZero();
    ClearWriteLog();
    g_memoryBoxes.focus = changed; // the user's box: the change makes it the active field
    WriteText(changed, text);

    CheckWrites(changed);
    FUZZ_CHECK(strcmp(BoxText(changed), text) == 0, "the changed box holds '%s'", BoxText(changed));
    // A handling reads at most 98 characters.
    char read[kTextBufferSize] = {};
    memcpy(read, text, length < 98 ? length : 98);
    RawValue value = ValueOfTheRefresh(changed);
    CheckValue(changed, read, &value);
    CheckOtherBoxes(changed, &value);
    return 0;
}
