#pragma once

#include <windows.h>

// Style changes that the control classes make when they take a control over.

// Gives a button the whole style: the type through BM_SETSTYLE (which
// repaints), the other bits directly, since BM_SETSTYLE keeps only the type.
void SetButtonStyle(HWND button, LONG style);
void AddExtendedStyle(HWND window, LONG bits);
// Class-wide: quick clicks then arrive as single clicks.
void RemoveClassDoubleClicks(HWND window);
