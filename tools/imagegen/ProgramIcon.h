#pragma once

#include "Image.h"

namespace imagegen {

inline constexpr int kIconSmallSide = 16;
inline constexpr int kIconLargeSide = 32;

// The program icon at `side` × `side` pixels: a rounded light-blue tile with a
// navy rim, a red upward chevron and three rising navy level bars; transparent
// outside the tile, edges anti-aliased.
RgbaImage BuildProgramIcon(int side);

}  // namespace imagegen
