#include "ui/CheckBox.h"

#include "ui/AppMessages.h"
#include "ui/ScopedSelection.h"

bool CheckBox::DrawItem(const DRAWITEMSTRUCT& item) {
  ScopedSelection fontSelection(item.hDC, Font());
  const COLORREF fill = DrawBackground(item);
  const int size = Scale()(kBoxSize);
  RECT box;
  box.left = item.rcItem.left;
  box.top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size) / 2;
  box.right = box.left + size;
  box.bottom = box.top + size;
  DrawBevel(item.hDC, box, SunkenBevel(), fill);
  DrawLabelFocusAndMark(item, box);
  return true;
}

LRESULT CheckBox::Kind() const { return kKindCheckBox; }
