// The program's entry point, declared for the native tests that drive the whole program.
#pragma once

#include "win32/win32_api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
