// The step-button images: their size, mask colour, count and order, shared by
// the image generator that draws them, the skill list that loads them (bitmaps
// IDB_STEP_FIRST on) and the tests.
#pragma once

#include <cstdint>

namespace stepimages {

inline constexpr int kWidth = 30;
inline constexpr int kHeight = 15;
// Row 0 of every image is this colour, which the image list makes transparent.
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

}  // namespace stepimages
