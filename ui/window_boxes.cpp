// The field boxes of the converter window: the core's box operations on its edit controls.
#include "core/app_state.h"
#include "core/field_boxes.h"
#include "core/field_table.h"

static HWND EditOf(FieldId id) {
    int index = FieldIndex(id);
    return index < 0 ? nullptr : g_app.fieldEdit[index];
}

void ReadText(FieldId id, char *buffer, int capacity) {
    GetWindowTextA(EditOf(id), buffer, capacity);
}

void WriteText(FieldId id, const char *text) {
    SetWindowTextA(EditOf(id), text);
}

bool HasFocus(FieldId id) {
    HWND edit = EditOf(id);
    return edit != nullptr && GetFocus() == edit;
}
