#pragma once

#include <windows.h>

// Private messages shared by the framework, the skill list and the main window.

// Sent to the main window: show the plan's point total again.
inline constexpr UINT WM_APP_REFRESH_TOTAL = WM_APP + 11;  // 0x800B
// Sent or posted to the skill list, lParam = row id: redraw that row.
inline constexpr UINT WM_APP_ROW_CHANGED = WM_APP + 100;  // 0x8064
// Sent to any control: framework buttons answer their kind, other windows 0.
inline constexpr UINT WM_APP_CONTROL_KIND = WM_APP + 123;  // 0x807B

// Answers to WM_APP_CONTROL_KIND.
inline constexpr LRESULT kKindNone = 0;
inline constexpr LRESULT kKindPushButton = 1;
inline constexpr LRESULT kKindCheckBox = 2;
inline constexpr LRESULT kKindRadioButton = 3;
