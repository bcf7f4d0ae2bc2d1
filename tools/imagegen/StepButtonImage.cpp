#include "StepButtonImage.h"

#include "ProgramColors.h"
#include "res/DisplayScale.h"
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

// The design's lengths, in pixels at 96 DPI; a set draws each at its DPI.
constexpr int kButtonTop = 1;  // the rows above are the transparent mask
constexpr int kGlyphTop = 4;   // the chevrons fill rows 4 to 10, their tip in the middle row
constexpr int kGlyphBottom = 11;
constexpr int kStrokeWidth = 2;
constexpr int kPressShift = 1;  // a pressed glyph sinks right and down with the face

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

// One pixel-wide frame. The top and left lines run the full length; the
// bottom and right lines stop where those begin, as on a raised button.
void DrawFrame(RgbImage& image, int top, int inset, Rgb topLeft, Rgb bottomRight) {
  const int left = inset;
  const int right = image.Width() - 1 - inset;
  const int bottom = image.Height() - 1 - inset;
  top += inset;
  for (int x = left; x <= right; ++x) image.Set(x, top, topLeft);
  for (int y = top; y <= bottom; ++y) image.Set(left, y, topLeft);
  for (int x = left + 1; x <= right; ++x) image.Set(x, bottom, bottomRight);
  for (int y = top + 1; y <= bottom; ++y) image.Set(right, y, bottomRight);
}

// One ring of the bevel, `line` frames thick: the two colours meet on a
// diagonal at the corners, as on a thick raised edge.
void DrawBevelRing(RgbImage& image, int top, int inset, int line, Rgb topLeft, Rgb bottomRight) {
  for (int frame = inset; frame < inset + line; ++frame)
    DrawFrame(image, top, frame, topLeft, bottomRight);
}

// The stroke's rows, position and width are the design's at dpi; each row
// lies one pixel further from the tip than the one before, so the arms keep
// their slope. An even number of rows has two tip rows.
void DrawStroke(RgbImage& image, Stroke stroke, int dpi, int shift, Rgb color) {
  const int top = display::Scaled(kGlyphTop, dpi);
  const int bottom = display::Scaled(kGlyphBottom, dpi);
  const int tipX = display::Scaled(stroke.tipX, dpi);
  const int width = display::Scaled(kStrokeWidth, dpi);
  for (int y = top; y < bottom; ++y) {
    const int away = std::abs(2 * y + 1 - top - bottom) / 2;
    const int left = (stroke.pointsLeft ? tipX + away : tipX - away) + shift;
    for (int x = left; x < left + width; ++x) image.Set(x, y + shift, color);
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

RgbImage BuildStepButtonImage(int index, int dpi) {
  const StepImageKind kind = DescribeStepImage(index);
  RgbImage image(display::Scaled(stepimages::kWidth, dpi),
                 display::Scaled(stepimages::kHeight, dpi),
                 kind.evenRow ? kEvenRowFace : kOddRowFace);
  const int top = display::Scaled(kButtonTop, dpi);
  for (int y = 0; y < top; ++y)
    for (int x = 0; x < image.Width(); ++x) image.Set(x, y, kMaskColor);

  const int line = display::LineWidth(dpi);
  const Rgb innerLight = kind.evenRow ? kEvenRowInnerLight : kOddRowInnerLight;
  if (kind.pressed) {
    DrawBevelRing(image, top, 0, line, kOuterShadow, kOuterLight);
    DrawBevelRing(image, top, line, line, kInnerShadow, innerLight);
  } else {
    DrawBevelRing(image, top, 0, line, kOuterLight, kOuterShadow);
    DrawBevelRing(image, top, line, line, innerLight, kInnerShadow);
  }

  const int shift = kind.pressed ? display::Scaled(kPressShift, dpi) : 0;
  const Rgb glyphColor = kind.pressed ? kPressedGlyph : kNormalGlyph;
  for (const Stroke& stroke : StrokesOf(kind.glyph))
    DrawStroke(image, stroke, dpi, shift, glyphColor);
  return image;
}

}  // namespace imagegen
