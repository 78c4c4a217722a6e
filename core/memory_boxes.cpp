// The window-free field boxes.
#include "core/memory_boxes.h"

#include <string.h>

#include "core/app_state.h"
#include "core/field_boxes.h"
#include "core/field_table.h"
#include "core/refresh_cycle.h"

MemoryBoxes g_memoryBoxes;

void ResetMemoryBoxes() {
    memset(&g_memoryBoxes, 0, sizeof(g_memoryBoxes));
}

void ClearWriteLog() {
    g_memoryBoxes.writeCount = 0;
    g_memoryBoxes.handlingCount = 0;
    memset(g_memoryBoxes.writeLog, 0, sizeof(g_memoryBoxes.writeLog));
}

static char *SlotOf(FieldId id) {
    int index = FieldIndex(id);
    return index < 0 ? nullptr : g_memoryBoxes.text[index];
}

const char *BoxText(FieldId id) {
    const char *slot = SlotOf(id);
    return slot ? slot : "";
}

// Copies the text, cut to 'limit' characters, in one pass and returns its length: box texts are
// short, and every write stores one.
static int StoreCut(char *slot, const char *text, int limit) {
    int length = 0;
    for (; length < limit && text[length] != '\0'; ++length) {
        slot[length] = text[length];
    }
    slot[length] = '\0';
    return length;
}

static void StoreInSlot(int index, const char *text, int limit) {
    g_memoryBoxes.length[index] = StoreCut(g_memoryBoxes.text[index], text, limit);
}

static void ReportChange(FieldId id) {
    ++g_memoryBoxes.handlingCount;
    OnFieldChanged(id);
}

// Every read of a handling copies a stored text whose length is known.
void ReadText(FieldId id, char *buffer, int capacity) {
    if (capacity <= 0) {
        return;
    }
    int index = FieldIndex(id);
    int length = index < 0 ? 0 : g_memoryBoxes.length[index];
    if (length > capacity - 1) {
        length = capacity - 1;
    }
    if (length > 0) {
        memcpy(buffer, g_memoryBoxes.text[index], (size_t)length);
    }
    buffer[length] = '\0';
}

void WriteText(FieldId id, const char *text) {
    int index = FieldIndex(id);
    if (index < 0) {
        return;
    }
    if (g_memoryBoxes.writeCount < kWriteLogCapacity) {
        g_memoryBoxes.writeLog[g_memoryBoxes.writeCount] = id;
    }
    ++g_memoryBoxes.writeCount;
    StoreInSlot(index, text, kMemoryBoxCapacity - 1);
    ReportChange(id);
}

bool HasFocus(FieldId id) {
    return id != kNoField && g_memoryBoxes.focus == id;
}

void PasteIntoBox(FieldId id, const char *text) {
    int index = FieldIndex(id);
    if (index < 0) {
        return;
    }
    g_memoryBoxes.focus = id;
    int limit = kMemoryBoxCapacity - 1;
    int textLimit = kFieldTable[index].textLimit;
    if (textLimit > 0 && textLimit < limit) {
        limit = textLimit;
    }
    StoreInSlot(index, text, limit);
    ReportChange(id);
}

void StartBoxesFromZero() {
    ResetAppState();
    ResetMemoryBoxes();
    g_app.activeField = kFieldUint8;
    WriteText(kFieldUint8, "0");
    OnFieldChanged(kFieldUint8);
}
