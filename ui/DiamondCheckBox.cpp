#include "ui/DiamondCheckBox.h"

#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

namespace {

// A closed diamond inset from the box, outlined with the selected pen.
void DrawDiamond(HDC dc, const RECT& box, int inset, COLORREF fill) {
  const int m = (box.bottom - 3 + box.top + 2) / 2;
  const int n = (box.right - 3 + box.left + 2) / 2;
  const POINT points[] = {{box.left + inset, m},
                          {n, box.top + inset},
                          {box.right - 1 - inset, m},
                          {n, box.bottom - 1 - inset},
                          {box.left + inset, m}};
  OwnedBrush brush = MakeSolidBrush(fill);
  ScopedSelection brushSelection(dc, brush.Get());
  Polygon(dc, points, 5);
}

}  // namespace

void DiamondCheckBox::DrawMark(HDC dc, const RECT& box, bool enabled) {
  OwnedPen pen = MakeSolidPen(Ink(enabled));
  ScopedSelection penSelection(dc, pen.Get());
  DrawDiamond(dc, box, 2, MarkFill(enabled));
  DrawDiamond(dc, box, 4, Ink(enabled));
}
