#include "Design.h"

#include <algorithm>
#include <cmath>

namespace imagegen {
namespace {

constexpr int kSamplesPerAxis = 8;

std::uint8_t Average(int sum, int count) {
  return static_cast<std::uint8_t>((sum + count / 2) / count);
}

}  // namespace

bool InRect(Point p, double left, double top, double right, double bottom) {
  return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

bool InEllipse(Point p, Point centre, double radiusX, double radiusY) {
  const double dx = (p.x - centre.x) / radiusX;
  const double dy = (p.y - centre.y) / radiusY;
  return dx * dx + dy * dy <= 1.0;
}

bool InCircle(Point p, Point centre, double radius) { return InEllipse(p, centre, radius, radius); }

bool InTriangle(Point p, Point a, Point b, Point c) {
  const auto side = [p](Point from, Point to) {
    return (to.x - from.x) * (p.y - from.y) - (to.y - from.y) * (p.x - from.x);
  };
  const double ab = side(a, b), bc = side(b, c), ca = side(c, a);
  return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InStroke(Point p, Point a, Point b, double halfWidth) {
  return DistanceToSegment(p, a, b) <= halfWidth;
}

PixelCoverage SamplePixel(const Design& design, int x, int y, double unitsPerPixel) {
  int red = 0, green = 0, blue = 0, covered = 0;
  for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
    for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
      const Point p{(x + (sx + 0.5) / kSamplesPerAxis) * unitsPerPixel,
                    (y + (sy + 0.5) / kSamplesPerAxis) * unitsPerPixel};
      if (const std::optional<Rgb> color = design(p)) {
        red += color->red;
        green += color->green;
        blue += color->blue;
        ++covered;
      }
    }
  }
  constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
  if (covered == 0) return {Rgb{}, 0, kSamples};
  return {Rgb{Average(red, covered), Average(green, covered), Average(blue, covered)}, covered,
          kSamples};
}

}  // namespace imagegen
