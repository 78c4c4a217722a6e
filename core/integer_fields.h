// Parse and display rules of the eight integer fields.
#pragma once

#include <stddef.h>

#include "core/raw_value.h"

RawValue ParseUint8(const char *text);
RawValue ParseUint16(const char *text);
RawValue ParseUint32(const char *text);
RawValue ParseUint64(const char *text);
RawValue ParseInt64(const char *text);

void FormatUint8(const RawValue *value, char *text, size_t capacity);
void FormatUint16(const RawValue *value, char *text, size_t capacity);
void FormatUint32(const RawValue *value, char *text, size_t capacity);
void FormatUint64(const RawValue *value, char *text, size_t capacity);
void FormatInt8(const RawValue *value, char *text, size_t capacity);
void FormatInt16(const RawValue *value, char *text, size_t capacity);
void FormatInt32(const RawValue *value, char *text, size_t capacity);
void FormatInt64(const RawValue *value, char *text, size_t capacity);
