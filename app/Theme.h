#pragma once

#include <windows.h>

#include "res/Palette.h"
#include "ui/ControlBase.h"

// The look of the main window, which the program's dialogs share.
inline constexpr COLORREF kThemeTextColor = palette::kTextColor;
inline constexpr COLORREF kThemeBackColor = palette::kBackColor;
inline constexpr char kThemeFaceName[] = "MS UI Gothic";
inline constexpr int kThemeFontHeight = 12;

// Binds the control object to the dialog's control and gives it the theme's
// colours and face at that height, without repainting.
void ApplyTheme(ControlBase& control, HWND controlWindow, int height = kThemeFontHeight);
