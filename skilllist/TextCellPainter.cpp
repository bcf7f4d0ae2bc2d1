#include "skilllist/TextCellPainter.h"

#include "ui/GdiObject.h"
#include "ui/TextDrawing.h"

namespace {

// Space between the text and the cell's edges, close to the list's own, in
// design pixels.
constexpr int kTextMargin = 3;

}  // namespace

void PaintTextCell(HDC dc, const RECT& cell, const char* text, ColumnAlign align,
                   COLORREF textColor, COLORREF backColor, DpiScale scale) {
  const OwnedBrush back = MakeSolidBrush(backColor);
  FillRect(dc, &cell, back.Get());

  RECT label = cell;
  InflateRect(&label, -scale(kTextMargin), 0);
  const UINT alignment = align == ColumnAlign::kCenter ? DT_CENTER : DT_LEFT;
  DrawPlainText(dc, text, label,
                alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, textColor);
}
