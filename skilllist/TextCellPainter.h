#pragma once

#include <windows.h>

#include "skilllist/ColumnTable.h"
#include "ui/DpiScale.h"

// Paints one text cell of a report list in full, in place of the list: the
// whole cell in the back colour, then the text on one line, vertically
// centred, aligned as its column says, cut with an ellipsis
// only when it does not fit, a design margin from the cell's sides at the
// list's DPI. Uses the DC's selected font; leaves the DC's settings as they were.
void PaintTextCell(HDC dc, const RECT& cell, const char* text, ColumnAlign align,
                   COLORREF textColor, COLORREF backColor, DpiScale scale);
