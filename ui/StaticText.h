#pragma once

#include <windows.h>

#include "ui/ControlBase.h"
#include "ui/GdiObject.h"

// A static text (the point total) in its own font and colours on a solid
// brush of its back colour, which it gives when its dialog hands
// WM_CTLCOLORSTATIC back.
class StaticText : public ControlBase {
 public:
  // The static selects the font it was given with WM_SETFONT after it has
  // asked WM_CTLCOLORSTATIC, so the object installs its font.
  StaticText();

  bool Attach(HWND window) override;
  // Deletes the brush, then lets go of the control.
  bool Detach() override;
  // WM_CTLCOLORSTATIC: OnCtlColor.
  LRESULT OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Replaces the brush by one of the new colour.
  void SetBackColor(COLORREF color, bool redraw) override;

 private:
  // Prepares the DC (font, transparent text in the text colour) and answers
  // the background brush.
  HBRUSH OnCtlColor(HDC dc) const;

  OwnedBrush brush;
};
