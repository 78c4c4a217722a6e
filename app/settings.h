// The settings file "./converter.ini": window position, tray mode and toggle key.
#pragma once

#include <stdint.h>

// Fills g_app.settings: the default position from the primary screen's size, then whatever
// the settings file holds for the position, the tray mode and the toggle key.
void LoadSettings();

// Writes the window's left and top edges to the settings file as unsigned 32-bit patterns.
// A file that cannot be written loses the position; nothing is reported.
void SavePosition(int32_t left, int32_t top);
