#pragma once

#include <windows.h>

// An error message with the program's error caption and icon, owned by the
// window (none before the main window exists).
void ShowErrorBox(HWND owner, const char* text);
