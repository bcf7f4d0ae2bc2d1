#pragma once

#include <windows.h>

#include "ui/DpiScale.h"

// Text drawn with a transparent background; the DC's text colour and
// background mode are restored afterwards.
void DrawPlainText(HDC dc, const char* text, RECT rect, UINT format, COLORREF color);
// The engraved (disabled) look: a highlight copy one design pixel right and
// down, then the shadow copy in place.
void DrawEngravedText(HDC dc, const char* text, RECT rect, UINT format, COLORREF highlight,
                      COLORREF shadow, DpiScale scale);
