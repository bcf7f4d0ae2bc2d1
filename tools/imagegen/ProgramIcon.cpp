#include "ProgramIcon.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace imagegen {
namespace {

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kFace{192, 224, 255};
constexpr Rgb kRed{255, 0, 0};

// The design lives on a 16-unit square; edges on whole units stay sharp at 16 and 32 pixels.
constexpr double kDesignSide = 16.0;
constexpr int kSamplesPerAxis = 8;

struct Point {
  double x;
  double y;
};

bool InRoundedSquare(Point p, double low, double high, double radius) {
  const double cx = std::clamp(p.x, low + radius, high - radius);
  const double cy = std::clamp(p.y, low + radius, high - radius);
  return std::hypot(p.x - cx, p.y - cy) <= radius;
}

bool InRect(Point p, double left, double top, double right, double bottom) {
  return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InChevron(Point p) {
  constexpr Point kLeft{4.5, 6.5};
  constexpr Point kTip{8.0, 3.0};
  constexpr Point kRight{11.5, 6.5};
  constexpr double kHalfStroke = 1.25;
  return DistanceToSegment(p, kLeft, kTip) <= kHalfStroke ||
         DistanceToSegment(p, kTip, kRight) <= kHalfStroke;
}

bool InLevelBars(Point p) {
  return InRect(p, 3, 11, 5, 14) || InRect(p, 7, 10, 9, 14) || InRect(p, 11, 9, 13, 14);
}

// The colour at one point of the design, topmost shape first; nothing outside the tile.
std::optional<Rgb> ColorAt(Point p) {
  if (!InRoundedSquare(p, 0, kDesignSide, 3)) return std::nullopt;
  if (!InRoundedSquare(p, 1, kDesignSide - 1, 2)) return kNavy;
  if (InChevron(p)) return kRed;
  if (InLevelBars(p)) return kNavy;
  return kFace;
}

std::uint8_t Average(int sum, int count) {
  return static_cast<std::uint8_t>((sum + count / 2) / count);
}

// Colour averaged over the covered samples of one pixel; alpha is the covered share.
Rgba SamplePixel(int x, int y, double unitsPerPixel) {
  int red = 0, green = 0, blue = 0, covered = 0;
  for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
    for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
      const Point p{(x + (sx + 0.5) / kSamplesPerAxis) * unitsPerPixel,
                    (y + (sy + 0.5) / kSamplesPerAxis) * unitsPerPixel};
      if (const std::optional<Rgb> color = ColorAt(p)) {
        red += color->red;
        green += color->green;
        blue += color->blue;
        ++covered;
      }
    }
  }
  if (covered == 0) return Rgba{};
  constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
  return Rgba{Average(red, covered), Average(green, covered), Average(blue, covered),
              Average(covered * 255, kSamples)};
}

}  // namespace

RgbaImage BuildProgramIcon(int side) {
  RgbaImage icon(side, side);
  const double unitsPerPixel = kDesignSide / side;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) icon.Set(x, y, SamplePixel(x, y, unitsPerPixel));
  return icon;
}

}  // namespace imagegen
