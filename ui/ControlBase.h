#pragma once

#include <windows.h>

#include "ui/DpiScale.h"
#include "ui/GdiObject.h"
#include "ui/WindowBase.h"

// The base of every control object: a text colour, a background colour and a
// font of its own built from a LOGFONTA. Every setter repaints only when asked
// to and bound. Pixel sizes are the 96-DPI design's, drawn at the DPI the
// control is shown at.
class ControlBase : public WindowBase {
 public:
  // ownsFont: the object installs its font into the control (WM_SETFONT) and
  // puts the control's own font back when it lets go.
  explicit ControlBase(bool ownsFont);

  // Binds, takes the window's DPI, then resets the colours and the font
  // (without repainting).
  bool Attach(HWND window) override;
  // Puts the control's own font back, then unbinds.
  bool Detach() override;
  // WM_NCPAINT of a control without border or scroll bar ends here.
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Weight 700 when on is 1, the default weight otherwise.
  virtual void SetBold(int on, bool redraw);
  virtual void SetTextColor(COLORREF color, bool redraw);
  virtual void SetBackColor(COLORREF color, bool redraw);
  // The face name and the character height in design pixels, with one font built.
  void SetFaceAndHeight(const char* name, int pixels, bool redraw);
  // Draws at another DPI from now on: the font is built again at its size.
  virtual void SetDpi(DpiScale dpi, bool redraw);

  HFONT Font() const { return font.Get(); }
  DpiScale Scale() const { return scale; }

 protected:
  // Back colour COLOR_BTNFACE, text colour COLOR_WINDOWTEXT, without repainting.
  virtual void ResetColors();
  // Invalidates the whole window when asked to and bound.
  void Repaint(bool redraw, bool erase) const;

  COLORREF TextColor() const { return textColor; }
  COLORREF BackColor() const { return backColor; }

 private:
  // Rebuilds the font from the LOGFONTA and installs it when the object owns it.
  void ApplyFont();
  void InstallFont(HFONT installed) const;
  static LOGFONTA DefaultLogFont();
  static bool HasNonClientArea(HWND window);

  COLORREF textColor = 0;
  COLORREF backColor = 0;
  bool ownsFont;
  OwnedFont font;
  HFONT prevFont = nullptr;
  LOGFONTA logFont;
  // The character height of the design; 0 keeps the default font's.
  int designFontHeight = 0;
  DpiScale scale;
};
