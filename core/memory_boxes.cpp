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

// One pass over the text: box texts are short, and this runs twice for every write.
static void StoreCut(char *slot, const char *text, size_t limit) {
    size_t length = 0;
    for (; length < limit && text[length] != '\0'; ++length) {
        slot[length] = text[length];
    }
    slot[length] = '\0';
}

static void ReportChange(FieldId id) {
    ++g_memoryBoxes.handlingCount;
    OnFieldChanged(id);
}

void ReadText(FieldId id, char *buffer, int capacity) {
    const char *slot = SlotOf(id);
    if (capacity <= 0) {
        return;
    }
    StoreCut(buffer, slot ? slot : "", (size_t)capacity - 1);
}

void WriteText(FieldId id, const char *text) {
    char *slot = SlotOf(id);
    if (!slot) {
        return;
    }
    if (g_memoryBoxes.writeCount < kWriteLogCapacity) {
        g_memoryBoxes.writeLog[g_memoryBoxes.writeCount] = id;
    }
    ++g_memoryBoxes.writeCount;
    StoreCut(slot, text, kMemoryBoxCapacity - 1);
    ReportChange(id);
}

bool HasFocus(FieldId id) {
    return id != kNoField && g_memoryBoxes.focus == id;
}

void PasteIntoBox(FieldId id, const char *text) {
    const FieldSpec *row = FindField(id);
    char *slot = SlotOf(id);
    if (!row || !slot) {
        return;
    }
    g_memoryBoxes.focus = id;
    size_t limit = kMemoryBoxCapacity - 1;
    if (row->textLimit > 0 && (size_t)row->textLimit < limit) {
        limit = (size_t)row->textLimit;
    }
    StoreCut(slot, text, limit);
    ReportChange(id);
}

void StartBoxesFromZero() {
    ResetAppState();
    ResetMemoryBoxes();
    g_app.activeField = kFieldUint8;
    WriteText(kFieldUint8, "0");
    OnFieldChanged(kFieldUint8);
}
