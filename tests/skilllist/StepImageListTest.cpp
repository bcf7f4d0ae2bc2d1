// The step images as the skill list loads them from this module's resources for a window's DPI:
// which set, and its design drawn to the set's scale.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "harness/WindowTestSupport.h"
#include "res/Palette.h"
#include "res/StepImages.h"
#include "skilllist/StepImageList.h"
#include "ui/GdiObject.h"
#include "ui/OwnedHandle.h"

namespace {

constexpr COLORREF kOuterLight = RGB(240, 248, 255), kOuterShadow = RGB(48, 56, 63);
constexpr COLORREF kInnerShadow = RGB(96, 112, 127);
constexpr COLORREF kNormalGlyph = RGB(0, 0, 128), kPressedGlyph = RGB(255, 0, 0);
constexpr COLORREF kUnder = RGB(0, 255, 0);  // shows where the mask lets the canvas through

std::pair<int, int> SizeOf(const OwnedImageList& images) {
  std::pair<int, int> size;
  ImageList_GetIconSize(images.Get(), &size.first, &size.second);
  return size;
}

}  // namespace

// A window between two sets shows the nearest, the smaller one halfway (108, 132), the 192 set
// above 192; every set is whole, its mask rows transparent, its two bevel rings each a design line
// thick with the pressed image's sides swapped, its faces the rows' colours and its chevron scaled
// in position, rows, slope and stroke, sunk by a scaled pixel when pressed: crisp, not stretched.
TEST(StepImageListTest, EachDpiLoadsTheNearestSetDrawnToItsScale) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const std::pair<UINT, std::pair<int, int>> choices[] = {
      {96, {30, 15}},  {108, {30, 15}}, {110, {38, 19}}, {132, {38, 19}}, {144, {45, 23}},
      {150, {45, 23}}, {168, {53, 26}}, {200, {60, 30}}, {240, {60, 30}}};
  for (const auto& [dpi, size] : choices) {
    const OwnedImageList images(CreateStepImageList(module, dpi));
    EXPECT_EQ(SizeOf(images), size) << dpi;
    EXPECT_EQ(ImageList_GetImageCount(images.Get()), stepimages::kCount) << dpi;
  }

  const struct {
    int dpi, maskRows, line;  // each bevel ring's thickness
    RECT glyph;               // the bounds of the unpressed "<"
    int tipRow, stroke;       // a row where the "<" is only its tip, one stroke wide
    int shift;                // of a pressed glyph, right and down
  } shapes[] = {{96, 1, 1, {12, 4, 17, 11}, 7, 2, 1},
                {144, 2, 1, {18, 6, 26, 17}, 11, 3, 2},
                {192, 2, 2, {24, 8, 34, 22}, 14, 4, 2}};
  for (const auto& shape : shapes) {
    const OwnedImageList images(CreateStepImageList(module, shape.dpi));
    const auto [width, height] = SizeOf(images);
    const int top = shape.maskRows, line = shape.line, middle = width / 2;
    const Canvas canvas(width, height);
    const RECT all{0, 0, width, height};
    for (int image = 0; image < 4; ++image) {
      const bool evenRow = image / 2, pressed = image % 2;
      SCOPED_TRACE(std::to_string(shape.dpi) + (evenRow ? " even" : " odd") +
                   (pressed ? " pressed" : ""));
      // Drawn with its mask on a canvas of its size.
      FillRect(canvas.dc, &all, GdiObject<HBRUSH>(CreateSolidBrush(kUnder)).Get());
      ImageList_Draw(images.Get(), stepimages::IndexOf(1, pressed, evenRow), canvas.dc, 0, 0,
                     ILD_TRANSPARENT);
      EXPECT_EQ(canvas.Count(kUnder, {0, 0, width, top}), width * top);
      EXPECT_EQ(canvas.Count(kUnder), width * top);

      const COLORREF innerLight = evenRow ? RGB(220, 236, 255) : RGB(224, 240, 255);
      const COLORREF raised[] = {kOuterLight, innerLight, kOuterShadow, kInnerShadow};
      const COLORREF sunk[] = {kOuterShadow, kInnerShadow, kOuterLight, innerLight};
      const COLORREF* ring = pressed ? sunk : raised;  // top outer, top inner, bottom ...
      for (int k = 0; k < line; ++k) {
        EXPECT_EQ(canvas.Pixel(middle, top + k), ring[0]);
        EXPECT_EQ(canvas.Pixel(k, height / 2), ring[0]);
        EXPECT_EQ(canvas.Pixel(middle, top + line + k), ring[1]);
        EXPECT_EQ(canvas.Pixel(middle, height - 1 - k), ring[2]);
        EXPECT_EQ(canvas.Pixel(width - 1 - k, height / 2), ring[2]);
        EXPECT_EQ(canvas.Pixel(middle, height - 1 - line - k), ring[3]);
      }
      EXPECT_EQ(canvas.Pixel(middle, top + 2 * line),
                evenRow ? palette::kAltRowColor : palette::kBackColor);

      const COLORREF glyph = pressed ? kPressedGlyph : kNormalGlyph;
      const int shift = pressed ? shape.shift : 0;
      RECT expected = shape.glyph;
      OffsetRect(&expected, shift, shift);
      const RECT drawn = canvas.Bounds(glyph);
      EXPECT_TRUE(EqualRect(&drawn, &expected))
          << drawn.left << "," << drawn.top << "," << drawn.right << "," << drawn.bottom;
      const RECT tip{0, shape.tipRow + shift, width, shape.tipRow + shift + 1};
      EXPECT_EQ(canvas.Count(glyph, tip), shape.stroke);
      EXPECT_EQ(canvas.Bounds(glyph, true, tip).left, shape.glyph.left + shift);
    }
  }
}
