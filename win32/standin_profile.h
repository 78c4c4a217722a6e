// The stand-in's private profile (INI) functions and screen metrics (native builds only).
#pragma once

#include "win32/standin_types.h"
