#pragma once

#include <windows.h>

#include "ui/DpiScale.h"

// The 96-DPI design's pixel grid laid over a shape at the DPI it is drawn at:
// design pixel (dx, dy) from the shape's origin covers the device block
// [scale(dx), scale(dx + 1)) on each axis, so pixel art stays crisp and whole.
class DesignGrid {
 public:
  DesignGrid(POINT origin, DpiScale scale) : origin(origin), scale(scale) {}

  // The device rectangle of the design's edges [left, right) x [top, bottom).
  RECT Edges(int left, int top, int right, int bottom) const;

 private:
  POINT origin;
  DpiScale scale;
};
