#pragma once

#include "Image.h"

namespace imagegen {

inline constexpr int kStepImageCount = 16;
inline constexpr int kStepImageWidth = 30;
inline constexpr int kStepImageHeight = 15;

// The four step cells in column order: "<<", "<", ">", ">>".
enum class StepGlyph { Zero, Down, Up, Max };

// What image `index` of the step-button strip shows: images come in
// normal/pressed pairs per glyph, the first eight for odd list rows and the
// last eight (darker face) for even rows.
struct StepImageKind {
  StepGlyph glyph;
  bool pressed;
  bool evenRow;
};

StepImageKind DescribeStepImage(int index);

// The pixels of step-button image `index` (0 to 15), top row the magenta mask.
RgbImage BuildStepButtonImage(int index);

}  // namespace imagegen
