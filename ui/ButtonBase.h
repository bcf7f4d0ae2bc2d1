#pragma once

#include <windows.h>

#include <string>

#include "ui/ControlBase.h"

// The four bevel colours of a bevelled box: outer bottom-right, inner
// bottom-right, outer top-left, inner top-left.
struct BevelColors {
  COLORREF outerBottomRight;
  COLORREF innerBottomRight;
  COLORREF outerTopLeft;
  COLORREF innerTopLeft;
};

// A dialog button switched to owner drawing. It keeps its check state itself
// and answers BM_GETCHECK, BM_SETCHECK and WM_APP_CONTROL_KIND; it draws
// itself when its dialog hands WM_DRAWITEM back. Every button owns its font.
class ButtonBase : public ControlBase {
 public:
  ButtonBase();

  // Binds, styles, and switches the button to BS_OWNERDRAW | BS_NOTIFY.
  bool Attach(HWND window) override;
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // WM_DRAWITEM: DrawItem.
  LRESULT OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Stores the colour and its four shades.
  void SetBackColor(COLORREF color, bool redraw) override;
  virtual void SetCheck(int on);
  virtual bool GetCheck() const;
  // The window text, at most 255 characters.
  std::string Label() const;

 protected:
  // The answer to WM_APP_CONTROL_KIND.
  virtual LRESULT Kind() const = 0;
  // Draws the button; always answers true.
  virtual bool DrawItem(const DRAWITEMSTRUCT& item) = 0;
  // Fills the rectangle and draws two bevel lines, each a design line thick, on each side.
  void DrawBevel(HDC dc, const RECT& rect, const BevelColors& colors, COLORREF fill) const;
  // Single-line, vertically centred, transparent text; engraved when disabled.
  void DrawLabel(HDC dc, const char* text, RECT rect, UINT format, bool enabled) const;
  void StoreCheck(bool on, bool redraw);

  BevelColors RaisedBevel() const { return {darkerColor, darkColor, lighterColor, lightColor}; }
  BevelColors SunkenBevel() const { return {lighterColor, lightColor, darkColor, darkerColor}; }
  COLORREF DarkColor() const { return darkColor; }

 private:
  COLORREF lightColor = 0;
  COLORREF lighterColor = 0;
  COLORREF darkColor = 0;
  COLORREF darkerColor = 0;
  bool checkState = false;
};
