#pragma once

#include "Image.h"

#include <functional>
#include <optional>

namespace imagegen {

// A point of a design, in the design's own units.
struct Point {
  double x;
  double y;
};

bool InRect(Point p, double left, double top, double right, double bottom);
bool InEllipse(Point p, Point centre, double radiusX, double radiusY);
bool InCircle(Point p, Point centre, double radius);
// Either winding, edges included.
bool InTriangle(Point p, Point a, Point b, Point c);
double DistanceToSegment(Point p, Point a, Point b);
// Within halfWidth of the segment: a line with round ends.
bool InStroke(Point p, Point a, Point b, double halfWidth);

// The colour a design gives a point, topmost shape first; nothing where it is transparent.
using Design = std::function<std::optional<Rgb>(Point)>;

// What a design gives one pixel, sampled on a regular grid inside it.
struct PixelCoverage {
  Rgb average;  // of the covered samples; black when none is covered
  int covered;
  int samples;
};

// Pixel (x, y) of the design drawn at unitsPerPixel design units per pixel.
PixelCoverage SamplePixel(const Design& design, int x, int y, double unitsPerPixel);

}  // namespace imagegen
