#include "ui/CheckBox.h"

#include "ui/AppMessages.h"
#include "ui/GdiObject.h"
#include "ui/ScopedClipRect.h"
#include "ui/ScopedSelection.h"

namespace {

constexpr int kBoxSize = 13;

}  // namespace

bool CheckBox::DrawItem(const DRAWITEMSTRUCT& item) {
  ScopedSelection fontSelection(item.hDC, Font());
  const COLORREF fill = DrawBackground(item);
  RECT box;
  box.left = item.rcItem.left;
  box.top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kBoxSize) / 2;
  box.right = box.left + kBoxSize;
  box.bottom = box.top + kBoxSize;
  DrawBevel(item.hDC, box, SunkenBevel(), fill);
  DrawLabelFocusAndMark(item, box);
  return true;
}

LRESULT CheckBox::Kind() const { return kKindCheckBox; }

// A tick of vertical three-pixel strokes, clipped to the inside of the box.
void CheckBox::DrawMark(HDC dc, const RECT& box, bool enabled) {
  const RECT inside{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
  ScopedClipRect clip(dc, inside);
  OwnedPen pen = MakeSolidPen(Ink(enabled));
  ScopedSelection penSelection(dc, pen.Get());
  static constexpr int kStrokeTops[] = {5, 6, 7, 6, 5, 4, 3};
  for (int i = 0; i < 7; ++i) {
    const int x = box.left + 3 + i;
    const int y = box.top + kStrokeTops[i];
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x, y + 3);
  }
}
