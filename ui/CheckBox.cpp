#include "ui/CheckBox.h"

#include "ui/AppMessages.h"
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
