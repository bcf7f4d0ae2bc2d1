#pragma once

#include "Image.h"

namespace imagegen {

inline constexpr int kEmblemCount = 8;
inline constexpr int kEmblemSide = 48;

// The character plug-in's emblems in one strip, kEmblemSide pixels high: emblem
// k (character type k: bunny, buffalo, sheep, dragon, fox, lion, cat, raccoon
// dog) is the square at x = k × kEmblemSide. Each is a round medallion with a
// frame-coloured rim and the animal's head in navy, drawn over the plug-in
// window's back colour, which fills the corners; at most 16 colours.
RgbImage BuildEmblemStrip();

}  // namespace imagegen
