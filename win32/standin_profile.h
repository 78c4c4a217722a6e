// The stand-in's private profile (INI) functions and screen metrics (native builds only).
#pragma once

#include "win32/standin_types.h"

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

// The width (SM_CXSCREEN) or height (SM_CYSCREEN) of the primary screen in pixels; 0 for any
// other index.
int WINAPI GetSystemMetrics(int index);

// Sets the primary screen's size that GetSystemMetrics reports (1920 by 1080 at start).
void StandInSetScreenSize(int width, int height);

// Profile files are read whole; a larger file reads as missing and is never rewritten.
const DWORD kStandInProfileMaxBytes = 1024 * 1024;

// The key's value read as strtol reads it, but wrapping modulo 2^32 ("4294967297" gives 1, "-8"
// gives 4294967288), with the lower-case prefixes "0x", "0o" and "0b" for bases 16, 8 and 2;
// 0 when the value has no digits. 'defaultValue' when the file, the section or the key is
// missing or the value is empty.
UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, int defaultValue, LPCSTR path);

// Copies the key's value (blanks around it trimmed, one pair of surrounding quotes removed),
// or 'defaultText' when the file, the section or the key is missing, into 'buffer', cut to
// size - 1 characters and ended by a zero byte. Returns the number of characters copied.
DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer,
                                      DWORD size, LPCSTR path);

// Sets the key's value: replaces the first matching key of the first matching section,
// or adds the key at the end of that section, or the section at the end of the file, or the
// file. Every other byte of the file stays as it was. The file is replaced as a whole through
// a temporary file in the same folder, so it is never left half-written. Returns FALSE with
// the file untouched when it cannot be read or written, when it is read-only (no write
// permission bit set, as the Windows read-only attribute), when it is over
// kStandInProfileMaxBytes, or for a missing text (deleting keys is not supported) or names
// and text that would not stay on one line.
BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR path);
