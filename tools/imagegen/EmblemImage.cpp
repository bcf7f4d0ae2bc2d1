#include "EmblemImage.h"

#include "Design.h"
#include "ProgramColors.h"

#include <cmath>
#include <vector>

namespace imagegen {
namespace {

// The medallion sits on the program's back colour, ringed in its frame
// colour; the heads are drawn in its text navy, "Master!" red and unlearnt grey.
constexpr Rgb kRim = kFrameColor;
constexpr Rgb kFace = kLightEdge;

// Design units are pixels at kEmblemSide; the medallion fills the square.
constexpr double kCentre = kEmblemSide / 2.0;
constexpr double kMedallionRadius = kCentre - 0.5;
constexpr double kRimWidth = 2.0;

using Shade = std::optional<Rgb>;

// The heads are symmetric: each is drawn on the left half, so features are
// given once, for the viewer's left.
Point Fold(Point p) { return {p.x < kCentre ? p.x : 2 * kCentre - p.x, p.y}; }

Shade Bunny(Point p) {
  const Point q = Fold(p);
  if (InCircle(q, {20, 29}, 1.7)) return kFace;
  if (InCircle(p, {24, 33.5}, 1.5)) return kMasterRed;
  if (InEllipse(q, {18.5, 14}, 1.4, 6.5)) return kMasterRed;
  if (InEllipse(q, {18.5, 14.5}, 3.6, 9.5) || InCircle(p, {24, 30}, 10.5)) return kTextNavy;
  return std::nullopt;
}

Shade Buffalo(Point p) {
  const Point q = Fold(p);
  if (InCircle(q, {19.5, 25}, 1.7) || InCircle(q, {21.5, 35}, 1.3)) return kFace;
  if (InEllipse(p, {24, 34.5}, 7, 4.5)) return kUnlearntGrey;
  if (InStroke(q, {15, 21}, {9, 17}, 2.2) || InStroke(q, {9, 17}, {8, 10}, 1.6))
    return kUnlearntGrey;
  if (InEllipse(q, {12.5, 25}, 4.5, 2.2) || InEllipse(p, {24, 28}, 9.5, 11)) return kTextNavy;
  return std::nullopt;
}

bool InWool(Point p) {
  constexpr int kTufts = 7;
  constexpr double kPi = 3.14159265358979;
  if (InCircle(p, {24, 22}, 9)) return true;
  for (int k = 0; k < kTufts; ++k) {
    const double angle = kPi + kPi * k / (kTufts - 1);  // left round over the top to right
    if (InCircle(p, {24 + 9 * std::cos(angle), 22 + 9 * std::sin(angle)}, 4.5)) return true;
  }
  return false;
}

Shade Sheep(Point p) {
  const Point q = Fold(p);
  if (InCircle(q, {21.2, 29}, 1.4)) return kFace;
  if (InCircle(p, {24, 35.5}, 1.2)) return kMasterRed;
  if (InEllipse(p, {24, 30}, 6, 9.5) || InEllipse(q, {15, 28}, 4.2, 2)) return kTextNavy;
  if (InWool(p)) return kUnlearntGrey;
  return std::nullopt;
}

// An eastern dragon: antlers, a spiky mane at the cheeks, a broad snout
// with long whiskers.
Shade Dragon(Point p) {
  const Point q = Fold(p);
  if (InTriangle(q, {15.5, 22.5}, {21.5, 25}, {16.5, 26})) return kMasterRed;
  if (InEllipse(q, {20.5, 35}, 1.6, 1.2)) return kFace;
  if (InEllipse(p, {24, 24}, 10, 8) || InEllipse(p, {24, 34}, 7.5, 6)) return kTextNavy;
  if (InStroke(q, {18, 17}, {13, 6}, 1.6) || InStroke(q, {15, 11.5}, {9, 9}, 1.1) ||
      InTriangle(q, {15, 20}, {6, 18}, {14, 26}) || InTriangle(q, {15, 25}, {6, 29}, {16, 30}) ||
      InStroke(q, {17.5, 35}, {10, 37}, 0.8) || InStroke(q, {10, 37}, {7, 42}, 0.8))
    return kUnlearntGrey;
  return std::nullopt;
}

Shade Fox(Point p) {
  const Point q = Fold(p);
  if (InTriangle(q, {16.5, 25}, {21.5, 26.5}, {18, 28})) return kFace;
  if (InCircle(p, {24, 38}, 1.6) || InTriangle(q, {13, 11}, {19, 19}, {14, 21})) return kMasterRed;
  if (InTriangle(q, {12, 27}, {22, 32}, {24, 40})) return kUnlearntGrey;
  if (InTriangle(q, {11, 6}, {22, 18}, {11, 24}) || InTriangle(q, {9, 19}, {24, 17}, {24, 41}))
    return kTextNavy;
  return std::nullopt;
}

// A mane with twelve rounded points around the face.
bool InMane(Point p) {
  const double dx = p.x - 24, dy = p.y - 26;
  return std::hypot(dx, dy) <= 14.5 + 2.5 * std::cos(12 * std::atan2(dy, dx));
}

Shade Lion(Point p) {
  const Point q = Fold(p);
  if (InCircle(q, {20.5, 24}, 1.6)) return kFace;
  if (InTriangle(q, {21.5, 28.5}, {24, 28.5}, {24, 31})) return kMasterRed;
  if (InCircle(p, {24, 26}, 9.5) || InCircle(q, {16.5, 18}, 2.8)) return kTextNavy;
  if (InMane(p)) return kUnlearntGrey;
  return std::nullopt;
}

Shade Cat(Point p) {
  const Point q = Fold(p);
  if (InEllipse(q, {19, 27}, 0.7, 2.2)) return kTextNavy;
  if (InEllipse(q, {19, 27}, 2, 2.8)) return kFace;
  if (InTriangle(q, {22.2, 31.5}, {24, 31.5}, {24, 33.3})) return kMasterRed;
  if (InStroke(q, {14, 31}, {5.5, 29.5}, 0.55) || InStroke(q, {14, 33.5}, {6, 35.5}, 0.55))
    return kUnlearntGrey;
  if (InTriangle(q, {14, 13}, {19.5, 19}, {14.5, 20})) return kMasterRed;
  if (InTriangle(q, {12, 8}, {23, 18}, {12, 25}) || InEllipse(p, {24, 29}, 12, 10.5))
    return kTextNavy;
  return std::nullopt;
}

// The raccoon dog with the leaf it changes shape with.
Shade Raccoon(Point p) {
  const Point q = Fold(p);
  if (InCircle(p, {21, 11.3}, 6) && InCircle(p, {27, 14.7}, 6)) return kMasterRed;
  if (InStroke(p, {21.8, 17}, {20.5, 19.5}, 0.7)) return kTextNavy;
  if (InCircle(q, {18.5, 27}, 1.5)) return kFace;
  if (InEllipse(q, {18, 28}, 4.8, 3.8) || InEllipse(p, {24, 32}, 2, 1.4)) return kTextNavy;
  if (InEllipse(p, {24, 33.5}, 5, 3.8)) return kFace;
  if (InEllipse(p, {24, 29}, 12.5, 10.5)) return kUnlearntGrey;
  if (InCircle(q, {14.5, 20}, 4.2)) return kTextNavy;
  return std::nullopt;
}

using Head = Shade (*)(Point);
constexpr Head kHeads[kEmblemCount] = {Bunny, Buffalo, Sheep, Dragon, Fox, Lion, Cat, Raccoon};

Design EmblemDesign(Head head) {
  return [head](Point p) -> Shade {
    const double distance = std::hypot(p.x - kCentre, p.y - kCentre);
    if (distance > kMedallionRadius) return kBackColor;
    if (distance > kMedallionRadius - kRimWidth) return kRim;
    const Shade shade = head(p);
    return shade ? shade : kFace;
  };
}

Rgb Mix(Rgb a, Rgb b, double shareOfB) {
  const auto channel = [shareOfB](std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * shareOfB));
  };
  return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

// The six colours and the blends their edges need, sixteen in all, so the
// strip fits a 4-bit bitmap; every sampled colour is snapped to the nearest.
std::vector<Rgb> EmblemPalette() {
  std::vector<Rgb> palette = {kBackColor, kRim, kFace, kTextNavy, kMasterRed, kUnlearntGrey};
  for (double share : {0.25, 0.5, 0.75}) palette.push_back(Mix(kFace, kTextNavy, share));
  for (double share : {0.25, 0.75}) palette.push_back(Mix(kFace, kUnlearntGrey, share));
  palette.push_back(Mix(kTextNavy, kUnlearntGrey, 0.5));
  palette.push_back(Mix(kTextNavy, kMasterRed, 0.5));
  palette.push_back(Mix(kFace, kMasterRed, 0.5));
  palette.push_back(Mix(kBackColor, kRim, 0.5));
  palette.push_back(Mix(kFace, kRim, 0.5));
  return palette;
}

Rgb Nearest(const std::vector<Rgb>& palette, Rgb color) {
  const auto distance = [color](Rgb other) {
    const int red = color.red - other.red, green = color.green - other.green,
              blue = color.blue - other.blue;
    return red * red + green * green + blue * blue;
  };
  Rgb best = palette.front();
  for (Rgb candidate : palette)
    if (distance(candidate) < distance(best)) best = candidate;
  return best;
}

}  // namespace

RgbImage BuildEmblemStrip() {
  const std::vector<Rgb> palette = EmblemPalette();
  RgbImage strip(kEmblemCount * kEmblemSide, kEmblemSide);
  for (int type = 0; type < kEmblemCount; ++type) {
    const Design design = EmblemDesign(kHeads[type]);
    for (int y = 0; y < kEmblemSide; ++y)
      for (int x = 0; x < kEmblemSide; ++x)
        strip.Set(type * kEmblemSide + x, y,
                  Nearest(palette, SamplePixel(design, x, y, 1.0).average));
  }
  return strip;
}

}  // namespace imagegen
