#pragma once

#include <windows.h>

// Selects a GDI object into a DC and puts the previous one back on scope exit.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object);
  ~ScopedSelection();
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  HDC dc;
  HGDIOBJ previous;
};
