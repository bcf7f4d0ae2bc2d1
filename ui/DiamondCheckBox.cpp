#include "ui/DiamondCheckBox.h"

#include <cstdlib>

#include "ui/BlockFill.h"
#include "ui/DesignGrid.h"
#include "ui/GdiObject.h"

// Pixel art of the design, each design pixel a block at the DPI: a wide pen
// would close the one-pixel gap between the outline and the inner diamond.
void DiamondCheckBox::DrawMark(HDC dc, const RECT& box, bool enabled) {
  // In design pixels from the box's middle (|dx| + |dy|): the outline's
  // distance and the inner diamond's reach.
  constexpr int kMiddle = kBoxSize / 2, kOutline = 4, kInner = 2;
  const OwnedBrush ink = MakeSolidBrush(Ink(enabled)), inside = MakeSolidBrush(MarkFill(enabled));
  const DesignGrid grid({box.left, box.top}, Scale());
  const auto row = [&](int y, int reach, HBRUSH brush) {
    if (reach >= 0)
      FillBlock(dc, grid.Edges(kMiddle - reach, y, kMiddle + reach + 1, y + 1), brush);
  };
  for (int dy = -kOutline; dy <= kOutline; ++dy) {
    const int y = kMiddle + dy, away = std::abs(dy);
    row(y, kOutline - away, ink.Get());
    row(y, kOutline - away - 1, inside.Get());
    row(y, kInner - away, ink.Get());
  }
}
