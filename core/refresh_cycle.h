// The refresh cycle: one change in a box rewrites every other box from a fresh value.
#pragma once

#include "core/field_id.h"
#include "core/raw_value.h"

// Handles one text change of field 'id': read, parse, focus test, refresh.
void OnFieldChanged(FieldId id);

// Writes every field but the active one from 'value', unless a refresh is already running.
void RefreshFields(const RawValue *value);
