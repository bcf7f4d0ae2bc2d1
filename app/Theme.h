#pragma once

#include <windows.h>

#include "ui/ControlBase.h"

// The look of the main window, which the program's dialogs share.
inline constexpr COLORREF kThemeTextColor = 0x800000;
inline constexpr COLORREF kThemeBackColor = 0xFFE0C0;
inline constexpr char kThemeFaceName[] = "MS UI Gothic";
inline constexpr int kThemeFontHeight = 12;

// Binds the control object to the dialog's control and gives it the theme's
// colours and face at that height, without repainting.
void ApplyTheme(ControlBase& control, HWND controlWindow, int height = kThemeFontHeight);
