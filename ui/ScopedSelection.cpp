#include "ui/ScopedSelection.h"

ScopedSelection::ScopedSelection(HDC dc, HGDIOBJ object)
    : dc(dc), previous(object ? SelectObject(dc, object) : nullptr) {}

ScopedSelection::~ScopedSelection() {
  if (previous) SelectObject(dc, previous);
}
