#pragma once

#include <windows.h>

// The skill list's private messages, between the list, its auto-repeat
// worker and the window that hosts it.

// Sent to the hosting window: show the plan's point total again.
inline constexpr UINT WM_APP_REFRESH_TOTAL = WM_APP + 11;  // 0x800B
// Sent or posted to the skill list, lParam = row id: redraw that row.
inline constexpr UINT WM_APP_ROW_CHANGED = WM_APP + 100;  // 0x8064
