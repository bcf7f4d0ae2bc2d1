#include "skilllist/StepImageList.h"

#include "res/ResourceIds.h"
#include "skilllist/ColumnTable.h"
#include "ui/GdiObject.h"

namespace {

constexpr int kImageWidth = 30;
constexpr int kImageHeight = 15;
constexpr COLORREF kMaskColor = RGB(255, 0, 255);
constexpr int kEvenRowImages = 8;

}  // namespace

HIMAGELIST CreateStepImageList(HINSTANCE module) {
  HIMAGELIST images =
      ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR32 | ILC_MASK, 0, IDB_STEP_COUNT);
  if (!images) return nullptr;
  for (int k = 0; k < IDB_STEP_COUNT; ++k) {
    const GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(
        module, MAKEINTRESOURCEA(IDB_STEP_FIRST + k), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const bool added = bitmap && ImageList_AddMasked(images, bitmap.Get(), kMaskColor) == k;
    if (!added) {
      ImageList_Destroy(images);
      return nullptr;
    }
  }
  return images;
}

int StepImageIndex(int row, int column, bool pressed) {
  const int normal = 2 * (column - kColumnFirstStep) + (row % 2 == 0 ? kEvenRowImages : 0);
  return pressed ? normal + 1 : normal;
}
