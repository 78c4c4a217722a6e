// Turns the characters that the scanner accepted into the nearest binary32 or binary64 value.
#pragma once

#include <stdint.h>

#include "core/float_scan.h"

// The value's bits as stored; 0 (positive zero) when the scan found no number. Every NaN text
// gives the default quiet NaN, positive.
uint32_t ReadBinary32(const FloatScan *scan);
uint64_t ReadBinary64(const FloatScan *scan);
