#pragma once

#include <windows.h>

// Draws text transparently in one colour; the DC's text colour and background
// mode are restored on scope exit.
class ScopedTextStyle {
 public:
  ScopedTextStyle(HDC dc, COLORREF color);
  ~ScopedTextStyle();
  ScopedTextStyle(const ScopedTextStyle&) = delete;
  ScopedTextStyle& operator=(const ScopedTextStyle&) = delete;

  void SetColor(COLORREF color);

 private:
  HDC dc;
  COLORREF previousColor;
  int previousMode;
};
