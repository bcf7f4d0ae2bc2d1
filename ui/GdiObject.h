#pragma once

#include <windows.h>

#include "ui/OwnedHandle.h"

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// Owns one GDI object (brush, font, pen, bitmap) and deletes it. Select it
// into a DC only through ScopedSelection declared after it, so it is put back
// before it is deleted.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, DeleteGdiObject>;

using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;

inline OwnedBrush MakeSolidBrush(COLORREF color) { return OwnedBrush(CreateSolidBrush(color)); }
// A solid pen; wider than a pixel, it draws an ellipse's outline inside its bounds.
inline OwnedPen MakeSolidPen(COLORREF color, int width) {
  return OwnedPen(CreatePen(PS_INSIDEFRAME, width, color));
}
