#include "skilllist/StepImageList.h"

#include "res/ResourceIds.h"
#include "res/StepImages.h"
#include "skilllist/ColumnTable.h"
#include "ui/GdiObject.h"

static_assert(IDB_STEP_COUNT == stepimages::kCount, "one bitmap per step image");

HIMAGELIST CreateStepImageList(HINSTANCE module, UINT dpi) {
  const int set = stepimages::SetFor(static_cast<int>(dpi));
  HIMAGELIST images = ImageList_Create(stepimages::SetWidth(set), stepimages::SetHeight(set),
                                       ILC_COLOR32 | ILC_MASK, 0, IDB_STEP_COUNT);
  if (!images) return nullptr;
  for (int k = 0; k < IDB_STEP_COUNT; ++k) {
    const GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(
        module, MAKEINTRESOURCEA(IDB_STEP(set, k)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const bool added =
        bitmap && ImageList_AddMasked(images, bitmap.Get(), stepimages::kMaskColor) == k;
    if (!added) {
      ImageList_Destroy(images);
      return nullptr;
    }
  }
  return images;
}

int StepImageIndex(int row, int column, bool pressed) {
  return stepimages::IndexOf(column - kColumnFirstStep, pressed, row % 2 == 0);
}
