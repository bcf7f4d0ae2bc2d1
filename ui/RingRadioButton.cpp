#include "ui/RingRadioButton.h"

#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

void RingRadioButton::DrawMark(HDC dc, const RECT& box, bool enabled) {
  OwnedPen pen = MakeSolidPen(Ink(enabled));
  ScopedSelection penSelection(dc, pen.Get());
  {
    OwnedBrush ringFill = MakeSolidBrush(MarkFill(enabled));
    ScopedSelection brushSelection(dc, ringFill.Get());
    Ellipse(dc, box.left + 3, box.top + 3, box.right - 2, box.bottom - 2);
  }
  OwnedBrush dotFill = MakeSolidBrush(Ink(enabled));
  ScopedSelection brushSelection(dc, dotFill.Get());
  Ellipse(dc, box.left + 5, box.top + 5, box.right - 4, box.bottom - 4);
}
