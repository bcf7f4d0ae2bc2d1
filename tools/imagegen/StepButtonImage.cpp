#include "StepButtonImage.h"

#include "ProgramColors.h"
#include "res/StepImages.h"

#include <cstdlib>
#include <vector>

namespace imagegen {
namespace {

constexpr Rgb kMaskColor = RgbOf(stepimages::kMaskColor);
constexpr Rgb kOddRowFace = kBackColor;
constexpr Rgb kEvenRowFace = kAltRowColor;
constexpr Rgb kOuterLight = kLightEdge;
constexpr Rgb kOddRowInnerLight{224, 240, 255};
constexpr Rgb kEvenRowInnerLight{220, 236, 255};
constexpr Rgb kInnerShadow{96, 112, 127};
constexpr Rgb kOuterShadow{48, 56, 63};
constexpr Rgb kNormalGlyph = kTextNavy;
constexpr Rgb kPressedGlyph = kMasterRed;

constexpr int kButtonTop = 1;  // row 0 is the transparent mask row
constexpr int kGlyphTipRow = 7;
constexpr int kGlyphHalfHeight = 3;  // rows 4 to 10
constexpr int kStrokeWidth = 2;

// A chevron stroke: the x of its left pixel in the tip row, and which way the tip points.
struct Stroke {
  int tipX;
  bool pointsLeft;
};

std::vector<Stroke> StrokesOf(StepGlyph glyph) {
  switch (glyph) {
    case StepGlyph::Zero:
      return {{9, true}, {14, true}};
    case StepGlyph::Down:
      return {{12, true}};
    case StepGlyph::Up:
      return {{15, false}};
    case StepGlyph::Max:
      return {{13, false}, {18, false}};
  }
  return {};
}

// One ring of the bevel. The top and left lines run the full length; the
// bottom and right lines stop where those begin, as on a raised button.
void DrawBevelRing(RgbImage& image, int inset, Rgb topLeft, Rgb bottomRight) {
  const int left = inset;
  const int top = kButtonTop + inset;
  const int right = image.Width() - 1 - inset;
  const int bottom = image.Height() - 1 - inset;
  for (int x = left; x <= right; ++x) image.Set(x, top, topLeft);
  for (int y = top; y <= bottom; ++y) image.Set(left, y, topLeft);
  for (int x = left + 1; x <= right; ++x) image.Set(x, bottom, bottomRight);
  for (int y = top + 1; y <= bottom; ++y) image.Set(right, y, bottomRight);
}

void DrawStroke(RgbImage& image, Stroke stroke, int shift, Rgb color) {
  for (int dy = -kGlyphHalfHeight; dy <= kGlyphHalfHeight; ++dy) {
    const int away = std::abs(dy);
    const int left = (stroke.pointsLeft ? stroke.tipX + away : stroke.tipX - away) + shift;
    for (int x = left; x < left + kStrokeWidth; ++x) image.Set(x, kGlyphTipRow + dy + shift, color);
  }
}

struct StepImageKind {
  StepGlyph glyph;
  bool pressed;
  bool evenRow;
};

// The inverse of stepimages::IndexOf.
StepImageKind DescribeStepImage(int index) {
  return {static_cast<StepGlyph>((index % stepimages::kEvenRowFirst) / 2), index % 2 == 1,
          index >= stepimages::kEvenRowFirst};
}

}  // namespace

RgbImage BuildStepButtonImage(int index) {
  const StepImageKind kind = DescribeStepImage(index);
  RgbImage image(stepimages::kWidth, stepimages::kHeight,
                 kind.evenRow ? kEvenRowFace : kOddRowFace);
  for (int x = 0; x < stepimages::kWidth; ++x) image.Set(x, 0, kMaskColor);

  const Rgb innerLight = kind.evenRow ? kEvenRowInnerLight : kOddRowInnerLight;
  if (kind.pressed) {
    DrawBevelRing(image, 0, kOuterShadow, kOuterLight);
    DrawBevelRing(image, 1, kInnerShadow, innerLight);
  } else {
    DrawBevelRing(image, 0, kOuterLight, kOuterShadow);
    DrawBevelRing(image, 1, innerLight, kInnerShadow);
  }

  // A pressed glyph sinks one pixel right and down with the face.
  const int shift = kind.pressed ? 1 : 0;
  const Rgb glyphColor = kind.pressed ? kPressedGlyph : kNormalGlyph;
  for (const Stroke& stroke : StrokesOf(kind.glyph)) DrawStroke(image, stroke, shift, glyphColor);
  return image;
}

}  // namespace imagegen
