#include "ui/ScopedClipRect.h"

ScopedClipRect::ScopedClipRect(HDC dc, const RECT& rect) : dc(dc), savedState(SaveDC(dc)) {
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

ScopedClipRect::~ScopedClipRect() {
  if (savedState) RestoreDC(dc, savedState);
}
