// Hiding and showing the converter window; in tray mode 1 the icon stands in while it is hidden.
#pragma once

// Neither touches windowShown: their callers set it first.
void HideConverter();
void ShowConverter();
