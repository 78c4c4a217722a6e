// The reading of "%02u.%02u.%04u %02u:%02u:%02u" shared by both time fields.
#pragma once

#include <stdint.h>

// The six numbers in the order of the text: day, month, year, hours, minutes, seconds.
enum { kTimeScanNumbers = 6 };

// Reads numbers from the start of 'text' until the first mismatch and returns how many it read;
// numbers[i] is written only for i below that count. A minus sign negates modulo 2^32.
int ScanTimeText(const char *text, uint32_t numbers[kTimeScanNumbers]);
