// Control ids of the thirteen field boxes; the dialog template uses the same numbers.
#pragma once

#include <stdint.h>

typedef uint32_t FieldId;

enum : FieldId {
    kNoField = 0,
    kFieldUint8 = 4001,
    kFieldUint16 = 4002,
    kFieldUint32 = 4003,
    kFieldInt8 = 4004,
    kFieldInt16 = 4005,
    kFieldInt32 = 4006,
    kFieldHex = 4013,
    kFieldFloat = 4015,
    kFieldUint64 = 4016,
    kFieldDouble = 4019,
    kFieldWin32Time = 4021,
    kFieldCTime = 4023,
    kFieldInt64 = 4026,
};

// The window has thirteen field boxes.
enum { kFieldCountMax = 13 };
