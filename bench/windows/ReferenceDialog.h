#pragma once

#define IDD_REFERENCE_DIALOG 101

#ifdef __cplusplus
#include "res/Palette.h"

inline constexpr unsigned long kReferenceBackColor = palette::kBackColor;
#endif
