#pragma once

#include <windows.h>

#include "ui/ControlBase.h"

// A group box that paints its etched frame and its caption itself, in its own
// font and colours. It draws with its font rather than installing it.
class GroupBox : public ControlBase {
 public:
  GroupBox();

  bool Attach(HWND window) override;
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Stores the colour and the two shades of the disabled look.
  void SetBackColor(COLORREF color, bool redraw) override;
  void SetFrameColor(COLORREF color, bool redraw);

 protected:
  // Frame colour COLOR_BTNSHADOW, then the colours of every control.
  void ResetColors() override;

 private:
  // Paints frame and caption on WM_PAINT; without a font it answers false and
  // leaves the painting to the control's own procedure.
  bool Paint(HWND window);
  void DrawFrame(HDC dc, const RECT& client, SIZE caption, bool enabled) const;
  void DrawCaption(HDC dc, const char* text, const RECT& client, SIZE caption, UINT format,
                   bool enabled) const;

  COLORREF frameColor = 0;
  COLORREF frameHighlight = 0;
  COLORREF disabledShadow = 0;
  COLORREF disabledHighlight = 0;
};
