#include "ui/TextDrawing.h"

#include "ui/ScopedTextStyle.h"

void DrawPlainText(HDC dc, const char* text, RECT rect, UINT format, COLORREF color) {
  ScopedTextStyle style(dc, color);
  DrawTextA(dc, text, -1, &rect, format);
}

void DrawEngravedText(HDC dc, const char* text, RECT rect, UINT format, COLORREF highlight,
                      COLORREF shadow, DpiScale scale) {
  ScopedTextStyle style(dc, highlight);
  RECT shifted = rect;
  OffsetRect(&shifted, scale(1), scale(1));
  DrawTextA(dc, text, -1, &shifted, format);
  style.SetColor(shadow);
  DrawTextA(dc, text, -1, &rect, format);
}
