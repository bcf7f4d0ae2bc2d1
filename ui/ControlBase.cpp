#include "ui/ControlBase.h"

ControlBase::ControlBase(bool ownsFont) : ownsFont(ownsFont), logFont(DefaultLogFont()) {
  font.Reset(CreateFontIndirectA(&logFont));
}

bool ControlBase::HasNonClientArea(HWND window) {
  RECT outer, inner;
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  return outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
}

LOGFONTA ControlBase::DefaultLogFont() {
  LOGFONTA description{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  return description;
}

bool ControlBase::Attach(HWND window) {
  // A second attach to the same window must not take our own font for the
  // control's.
  if (window && window == Hwnd()) return true;
  if (!WindowBase::Attach(window)) return false;
  if (ownsFont) prevFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  scale = DpiScale::Of(window);
  ResetColors();
  logFont = DefaultLogFont();
  designFontHeight = 0;
  ApplyFont();
  return true;
}

bool ControlBase::Detach() {
  if (!Hwnd()) return false;
  if (ownsFont) InstallFont(prevFont);
  prevFont = nullptr;
  return WindowBase::Detach();
}

LRESULT ControlBase::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Nothing lies outside the client area to paint, yet the default handling
  // would fetch a window DC: several window-server round trips per control.
  if (msg == WM_NCPAINT && !HasNonClientArea(window)) return 0;
  return WindowBase::WindowProc(window, msg, wParam, lParam);
}

void ControlBase::SetFaceAndHeight(const char* name, int pixels, bool redraw) {
  lstrcpynA(logFont.lfFaceName, name ? name : "", LF_FACESIZE);
  designFontHeight = pixels;
  ApplyFont();
  Repaint(redraw, false);
}

void ControlBase::SetDpi(DpiScale dpi, bool redraw) {
  scale = dpi;
  ApplyFont();
  Repaint(redraw, true);
}

void ControlBase::SetBold(int on, bool redraw) {
  logFont.lfWeight = on == 1 ? FW_BOLD : FW_DONTCARE;
  ApplyFont();
  Repaint(redraw, false);
}

void ControlBase::SetTextColor(COLORREF color, bool redraw) {
  textColor = color;
  Repaint(redraw, true);
}

void ControlBase::SetBackColor(COLORREF color, bool redraw) {
  backColor = color;
  Repaint(redraw, true);
}

void ControlBase::ApplyFont() {
  // The new font goes in before the old one is deleted, so the control never
  // holds a deleted font and hears of one change only (a list view re-measures
  // on every WM_SETFONT).
  if (designFontHeight != 0) logFont.lfHeight = -scale(designFontHeight);
  HFONT built = CreateFontIndirectA(&logFont);
  if (ownsFont) InstallFont(built);
  font.Reset(built);
}

void ControlBase::ResetColors() {
  SetBackColor(GetSysColor(COLOR_BTNFACE), false);
  SetTextColor(GetSysColor(COLOR_WINDOWTEXT), false);
}

void ControlBase::Repaint(bool redraw, bool erase) const {
  // A window not on the screen (also one in a dialog not shown yet) is
  // painted whole when it shows; invalidating it costs a window-server
  // round trip for nothing.
  if (redraw && Hwnd() && IsWindowVisible(Hwnd())) InvalidateRect(Hwnd(), nullptr, erase);
}

void ControlBase::InstallFont(HFONT installed) const {
  if (Hwnd()) SendMessageA(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(installed), FALSE);
}
