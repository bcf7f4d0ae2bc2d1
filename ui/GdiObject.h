#pragma once

#include <windows.h>

// Owns one GDI object (brush, font, pen, region) and deletes it. Not copyable:
// a copy would delete the object twice. Select it into a DC only through
// ScopedSelection declared after it, so it is put back before it is deleted.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle; }
  explicit operator bool() const { return handle != nullptr; }

  // Deletes the object held so far and takes ownership of the new one.
  void Reset(Handle replacement = nullptr) {
    if (handle) DeleteObject(handle);
    handle = replacement;
  }

 private:
  Handle handle = nullptr;
};

using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;

inline OwnedBrush MakeSolidBrush(COLORREF color) { return OwnedBrush(CreateSolidBrush(color)); }
inline OwnedPen MakeSolidPen(COLORREF color) { return OwnedPen(CreatePen(PS_SOLID, 1, color)); }
