#pragma once

#include <windows.h>

#include <commctrl.h>

// Writes a Shift-JIS text into the buffer of a cell request, cut to the
// buffer's size at a character boundary and always terminated.
void CopyCellText(LVITEMA& item, const char* text);
