#pragma once

#include <windows.h>

// The framework's private message.

// Sent to any control: framework buttons answer their kind, other windows 0.
inline constexpr UINT WM_APP_CONTROL_KIND = WM_APP + 123;  // 0x807B

// Answers to WM_APP_CONTROL_KIND.
inline constexpr LRESULT kKindNone = 0;
inline constexpr LRESULT kKindPushButton = 1;
inline constexpr LRESULT kKindCheckBox = 2;
inline constexpr LRESULT kKindRadioButton = 3;
