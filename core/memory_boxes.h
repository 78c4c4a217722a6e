// Field boxes without a window: thirteen text slots and a focus marker. The command-line tool,
// the tests and the benchmarks drive the refresh cycle through them.
#pragma once

#include "core/field_id.h"

enum { kMemoryBoxCapacity = 512, kWriteLogCapacity = 64 };

struct MemoryBoxes {
    char text[kFieldCountMax][kMemoryBoxCapacity];
    int length[kFieldCountMax];          // the length of each slot's text
    FieldId focus;                       // kNoField: no box has the focus
    int writeCount;                      // WriteText calls since the last reset
    FieldId writeLog[kWriteLogCapacity]; // the first kWriteLogCapacity writes, in order
    int handlingCount;                   // OnFieldChanged calls made by the boxes
};

extern MemoryBoxes g_memoryBoxes;

// Empties every slot, clears the focus and the counters.
void ResetMemoryBoxes();

// The slot's current text; an empty text for an id that is no field.
const char *BoxText(FieldId id);

// As a user's paste: gives the box the focus, replaces its text cut to the box's text limit
// (and to the slot), then reports the change as the box would.
void PasteIntoBox(FieldId id, const char *text);

// The window's set-up on these boxes: uint8 becomes the active field, its box gets "0" (which
// fills every other box from the value zero), and the same change is handled once more.
void StartBoxesFromZero();

// Clears the write counters, keeping the texts and the focus.
void ClearWriteLog();
