// The stand-in's windows, dialogs, keyboard hook and notification-area icon (native builds only).
#pragma once

#include "win32/standin_types.h"
