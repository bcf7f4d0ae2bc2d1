#pragma once

#include <windows.h>

// Narrows a DC's clipping to a rectangle; the former clipping comes back on
// scope exit.
class ScopedClipRect {
 public:
  ScopedClipRect(HDC dc, const RECT& rect);
  ~ScopedClipRect();
  ScopedClipRect(const ScopedClipRect&) = delete;
  ScopedClipRect& operator=(const ScopedClipRect&) = delete;

 private:
  HDC dc;
  int savedState;
};
