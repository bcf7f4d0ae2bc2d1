#include "ui/ScopedTextStyle.h"

ScopedTextStyle::ScopedTextStyle(HDC dc, COLORREF color)
    : dc(dc), previousColor(::SetTextColor(dc, color)), previousMode(SetBkMode(dc, TRANSPARENT)) {}

ScopedTextStyle::~ScopedTextStyle() {
  SetBkMode(dc, previousMode);
  ::SetTextColor(dc, previousColor);
}

void ScopedTextStyle::SetColor(COLORREF color) { ::SetTextColor(dc, color); }
