#pragma once

#include <windows.h>

// Shades of a colour for bevels and engraved text, computed per channel c
// (halving and quartering round down).
COLORREF LightShade(COLORREF color);    // 128 + c/2
COLORREF LighterShade(COLORREF color);  // 192 + c/4
COLORREF DarkShade(COLORREF color);     // c/2
COLORREF DarkerShade(COLORREF color);   // c/4
