// The core's three operations on the field boxes. Each front supplies them once: the dialog
// with its edit boxes, the command-line tool and the tests with text slots in memory.
#pragma once

#include "core/field_id.h"

// The text buffer every handling reads into: at most 98 characters and a terminator.
enum { kTextBufferSize = 100, kTextReadCapacity = 99 };

// Copies the box's text into 'buffer' (capacity bytes, terminator included), cut to fit.
void ReadText(FieldId id, char *buffer, int capacity);

// Replaces the box's text. The box reports the change before this returns: OnFieldChanged(id)
// runs inside the call.
void WriteText(FieldId id, const char *text);

// True while the box has the keyboard focus.
bool HasFocus(FieldId id);
