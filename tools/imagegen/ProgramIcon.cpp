#include "ProgramIcon.h"

#include "Design.h"
#include "ProgramColors.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace imagegen {
namespace {

// The design lives on a 16-unit square; edges on whole units stay sharp at 16 and 32 pixels.
constexpr double kDesignSide = 16.0;

bool InRoundedSquare(Point p, double low, double high, double radius) {
  const double cx = std::clamp(p.x, low + radius, high - radius);
  const double cy = std::clamp(p.y, low + radius, high - radius);
  return std::hypot(p.x - cx, p.y - cy) <= radius;
}

bool InChevron(Point p) {
  constexpr Point kLeft{4.5, 6.5};
  constexpr Point kTip{8.0, 3.0};
  constexpr Point kRight{11.5, 6.5};
  constexpr double kHalfStroke = 1.25;
  return InStroke(p, kLeft, kTip, kHalfStroke) || InStroke(p, kTip, kRight, kHalfStroke);
}

bool InLevelBars(Point p) {
  return InRect(p, 3, 11, 5, 14) || InRect(p, 7, 10, 9, 14) || InRect(p, 11, 9, 13, 14);
}

// The colour at one point of the design, topmost shape first; nothing outside the tile.
std::optional<Rgb> ColorAt(Point p) {
  if (!InRoundedSquare(p, 0, kDesignSide, 3)) return std::nullopt;
  if (!InRoundedSquare(p, 1, kDesignSide - 1, 2)) return kTextNavy;
  if (InChevron(p)) return kMasterRed;
  if (InLevelBars(p)) return kTextNavy;
  return kBackColor;
}

// The covered samples' colour; alpha is the covered share.
Rgba IconPixel(int x, int y, double unitsPerPixel) {
  const PixelCoverage coverage = SamplePixel(ColorAt, x, y, unitsPerPixel);
  if (coverage.covered == 0) return Rgba{};
  const Rgb color = coverage.average;
  return Rgba{color.red, color.green, color.blue,
              static_cast<std::uint8_t>((coverage.covered * 255 + coverage.samples / 2) /
                                        coverage.samples)};
}

}  // namespace

RgbaImage BuildProgramIcon(int side) {
  RgbaImage icon(side, side);
  const double unitsPerPixel = kDesignSide / side;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) icon.Set(x, y, IconPixel(x, y, unitsPerPixel));
  return icon;
}

}  // namespace imagegen
