// Loads the step bitmaps from this module's resources the way the skill list
// does and reads back what Windows made of them.
#include <ResourceIds.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "StepButtonImage.h"
#include "harness/WindowTestSupport.h"

namespace {

// Each bitmap is a 30 x 15 4-bit DIB; drawn from a masked image list as the
// skill list draws it, its magenta row shows the background and every other
// pixel is the generated one.
TEST(StepImageResources, SixteenBitmapsDrawTheGeneratedPixelsOverATransparentMaskRow) {
  HIMAGELIST list = ImageList_Create(30, 15, ILC_COLOR32 | ILC_MASK, 0, 16);
  ASSERT_NE(list, nullptr);
  const COLORREF background = RGB(10, 20, 30);
  for (int index = 0; index < IDB_STEP_COUNT; ++index) {
    SCOPED_TRACE("image " + std::to_string(index));
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                     MAKEINTRESOURCEA(IDB_STEP_FIRST + index),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 4);
    ASSERT_EQ(ImageList_AddMasked(list, bitmap, RGB(255, 0, 255)), index);
    DeleteObject(bitmap);

    Canvas canvas(30, 15);
    const RECT all{0, 0, 30, 15};
    SetBkColor(canvas.dc, background);
    ExtTextOutA(canvas.dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    ASSERT_TRUE(ImageList_Draw(list, index, canvas.dc, 0, 0, ILD_TRANSPARENT));
    const imagegen::RgbImage expected = imagegen::BuildStepButtonImage(index);
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 30; ++x) {
        const imagegen::Rgb want = expected.At(x, y);
        ASSERT_EQ(canvas.Pixel(x, y), y == 0 ? background : RGB(want.red, want.green, want.blue))
            << x << "," << y;
      }
  }
  ImageList_Destroy(list);
}

}  // namespace
