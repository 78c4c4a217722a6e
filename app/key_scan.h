// The toggle key's text from the settings file, read as the format "0x%x" reads it.
#pragma once

#include <stdint.h>

// Reads 'text' as "0x%x" does: the text must start with "0x" (lower-case x); then white space,
// one optional sign, an optional "0x" or "0X" prefix and every hexadecimal digit that follows.
// Stores the number in *code and returns true; returns false with *code untouched when the
// text does not start with "0x" or no digit follows. A prefix with no digit after it is no
// number. More than eight digits keep the low 32 bits (the number modulo 2^32), and a minus
// sign negates modulo 2^32, so every text gives a defined result.
bool ScanKeyCode(const char *text, uint32_t *code);
