#include "ui/BlockFill.h"

void FillBlock(HDC dc, const RECT& rect, HBRUSH brush) {
  if (rect.right > rect.left && rect.bottom > rect.top) FillRect(dc, &rect, brush);
}

void FillFrame(HDC dc, const RECT& rect, HBRUSH brush, int thickness) {
  const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  FillBlock(dc, {l, t, r, t + thickness}, brush);
  FillBlock(dc, {l, b - thickness, r, b}, brush);
  FillBlock(dc, {l, t + thickness, l + thickness, b - thickness}, brush);
  FillBlock(dc, {r - thickness, t + thickness, r, b - thickness}, brush);
}
