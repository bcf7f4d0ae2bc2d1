#pragma once

#include <windows.h>

#include <vector>

#include "ui/DpiScale.h"

// The places an extended dialog template gives its window and controls, at
// any DPI: each rectangle is the one the dialog manager gives at 96 DPI (the
// template's dialog units with the 96-DPI base units of the dialog's font)
// times DPI / 96. The dialog manager alone sizes a dialog from its font's
// metrics at the DPI, which do not grow in step with it.
class DialogTemplateLayout {
 public:
  // Reads the template of a dialog that is open: its font's face comes from
  // the dialog, as the dialog manager chose it. Empty for a template that is
  // missing, not extended or cut short.
  DialogTemplateLayout(HINSTANCE module, WORD templateId, HWND dialog);

  bool Empty() const { return controls.empty(); }
  // Places the dialog's controls for the DPI, in template order (which is the
  // order of the dialog's children); with resizeWindow, sizes the window's
  // client area to the template's size too.
  void Place(HWND dialog, DpiScale scale, bool resizeWindow) const;

 private:
  struct Control {
    DWORD id;
    RECT units;  // left, top, right, bottom in dialog units
  };

  bool Parse(const BYTE* bytes, DWORD size);
  void MeasureBaseUnits(HWND dialog);
  // The rectangle of the dialog units in pixels at the DPI: each edge is
  // mapped at 96 DPI, then scaled, so adjacent controls stay adjacent.
  RECT Pixels(const RECT& units, DpiScale scale) const;

  std::vector<Control> controls;
  SIZE clientUnits{};
  WORD pointSize = 0;
  SIZE baseUnits{};
};
