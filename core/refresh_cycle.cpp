// OnFieldChanged and RefreshFields. Every WriteText re-enters OnFieldChanged before it returns;
// refreshInProgress makes those nested handlings end without a second refresh.
#include "core/refresh_cycle.h"

#include <string.h>

#include "core/app_state.h"
#include "core/field_boxes.h"
#include "core/field_table.h"

void OnFieldChanged(FieldId id) {
    // A local buffer per handling: a nested handling can never see an outer one's text. Filled
    // with zeros by its initialiser, which compilers turn into a few wide stores.
    char text[kTextBufferSize] = {};
    ReadText(id, text, kTextReadCapacity);
    RawValue value = ParseField(id, text);
    if (HasFocus(id)) {
        g_app.activeField = id;
    }
    RefreshFields(&value);
}

void RefreshFields(const RawValue *value) {
    if (g_app.refreshInProgress) {
        return;
    }
    g_app.refreshInProgress = true;
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec *row = &kFieldTable[i];
        if (row->id == g_app.activeField) {
            continue;
        }
        char text[kMaxDisplayCapacity];
        FormatField(row, value, text);
        WriteText(row->id, text);
    }
    g_app.refreshInProgress = false;
}
