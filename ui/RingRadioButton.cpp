#include "ui/RingRadioButton.h"

#include "ui/BlockFill.h"
#include "ui/DesignGrid.h"
#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

void RingRadioButton::DrawMark(HDC dc, const RECT& box, bool enabled) {
  const DesignGrid grid({box.left, box.top}, Scale());
  {
    OwnedPen pen = InkPen(enabled);
    ScopedSelection penSelection(dc, pen.Get());
    OwnedBrush ringFill = MakeSolidBrush(MarkFill(enabled));
    ScopedSelection brushSelection(dc, ringFill.Get());
    const RECT ring = grid.Edges(3, 3, kBoxSize - 2, kBoxSize - 2);
    Ellipse(dc, ring.left, ring.top, ring.right, ring.bottom);
  }
  // The dot is a square of two design pixels, as the ellipse GDI draws there;
  // as blocks it stays square where a small ellipse comes out lopsided.
  const OwnedBrush dot = MakeSolidBrush(Ink(enabled));
  FillBlock(dc, grid.Edges(5, 5, kBoxSize - 4, kBoxSize - 4), dot.Get());
}
