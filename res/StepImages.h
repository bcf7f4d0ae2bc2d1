// The step-button images: their size, mask colour, count and order, and the
// sets drawn for the display scales, shared by the image generator that draws
// them, the skill list that loads them (bitmaps IDB_STEP(set, index)) and the tests.
#pragma once

#include <cstdint>

#include "res/DisplayScale.h"

namespace stepimages {

// The design's size, at 96 DPI; each set draws it at its own DPI.
inline constexpr int kWidth = 30;
inline constexpr int kHeight = 15;
// The top row of the design (Scaled(1, dpi) rows of a set) is this colour,
// which the image list makes transparent.
inline constexpr std::uint32_t kMaskColor = 0xFF00FF;
// "<<", "<", ">" and ">>", each normal then pressed, first with the face of
// odd list rows, then with the face of even rows.
inline constexpr int kGlyphCount = 4;
inline constexpr int kEvenRowFirst = 2 * kGlyphCount;
inline constexpr int kCount = 2 * kEvenRowFirst;

// The index of the image of glyph (0 "<<" to 3 ">>").
constexpr int IndexOf(int glyph, bool pressed, bool evenRow) {
  return 2 * glyph + (pressed ? 1 : 0) + (evenRow ? kEvenRowFirst : 0);
}

// One set per display scale: 100 %, 125 %, 150 %, 175 % and 200 %, by its DPI.
inline constexpr int kSetDpis[] = {96, 120, 144, 168, 192};
inline constexpr int kSetCount = sizeof kSetDpis / sizeof kSetDpis[0];

// The set a window at dpi shows: the one of the nearest DPI, so the 96 set
// below 96 and the 192 set above 192. Halfway between two sets (108, 132,
// 156, 180) the smaller one, whose images stay within cells scaled for dpi.
constexpr int SetFor(int dpi) {
  int nearest = 0;
  for (int set = 1; set < kSetCount; ++set)
    if (2 * dpi > kSetDpis[set - 1] + kSetDpis[set]) nearest = set;
  return nearest;
}

// A set's image size: the design's at the set's DPI.
constexpr int SetWidth(int set) { return display::Scaled(kWidth, kSetDpis[set]); }
constexpr int SetHeight(int set) { return display::Scaled(kHeight, kSetDpis[set]); }

}  // namespace stepimages
