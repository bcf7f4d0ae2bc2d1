#include "ui/ButtonBase.h"

#include "ui/AppMessages.h"
#include "ui/BlockFill.h"
#include "ui/ColorShades.h"
#include "ui/GdiObject.h"
#include "ui/TextDrawing.h"
#include "ui/WindowStyles.h"

ButtonBase::ButtonBase() : ControlBase(true) {}

bool ButtonBase::Attach(HWND window) {
  if (!ControlBase::Attach(window)) return false;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetButtonStyle(window, (style & ~BS_TYPEMASK) | BS_OWNERDRAW | BS_NOTIFY);
  RemoveClassDoubleClicks(window);
  return true;
}

LRESULT ButtonBase::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case BM_GETCHECK:
      return GetCheck() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      SetCheck(wParam == BST_CHECKED ? 1 : 0);
      return 0;
    case WM_APP_CONTROL_KIND:
      return Kind();
    // A plain button, never a radio button or a default push button: the
    // dialog manager then neither clicks it on arrow keys nor restyles it.
    case WM_GETDLGCODE:
      return DLGC_BUTTON;
    // The drawing fills the whole button; the default erase would paint it
    // twice, with a brush asked of the dialog.
    case WM_ERASEBKGND:
      return 1;
    // The framework clears the old text with the dialog's brush and draws the
    // button at once: twice on the screen, and window-server round trips for
    // a button not shown yet. One invalidation draws it once.
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, msg, wParam, lParam);
      Repaint(true, false);
      return result;
    }
  }
  return ControlBase::WindowProc(window, msg, wParam, lParam);
}

LRESULT ButtonBase::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam) {
  return msg == WM_DRAWITEM && DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

void ButtonBase::SetBackColor(COLORREF color, bool redraw) {
  lightColor = LightShade(color);
  lighterColor = LighterShade(color);
  darkColor = DarkShade(color);
  darkerColor = DarkerShade(color);
  ControlBase::SetBackColor(color, redraw);
}

void ButtonBase::SetCheck(int on) { StoreCheck(on != 0, true); }

bool ButtonBase::GetCheck() const { return checkState; }

void ButtonBase::StoreCheck(bool on, bool redraw) {
  checkState = on;
  Repaint(redraw, true);
}

std::string ButtonBase::Label() const {
  char text[256] = {};
  GetWindowTextA(Hwnd(), text, sizeof text);
  return text;
}

namespace {

// One ring of a bevel, `line` pixels thick: the bottom and right bands run the
// whole length, the top and left bands stop where those begin.
void DrawBevelRing(HDC dc, const RECT& ring, COLORREF bottomRight, COLORREF topLeft, int line) {
  const LONG l = ring.left, t = ring.top, r = ring.right, b = ring.bottom;
  const OwnedBrush shade = MakeSolidBrush(bottomRight);
  FillBlock(dc, {l, b - line, r, b}, shade.Get());
  FillBlock(dc, {r - line, t, r, b - line}, shade.Get());
  const OwnedBrush light = MakeSolidBrush(topLeft);
  FillBlock(dc, {l, t, r - line, t + line}, light.Get());
  FillBlock(dc, {l, t + line, l + line, b - line}, light.Get());
}

}  // namespace

void ButtonBase::DrawBevel(HDC dc, const RECT& rect, const BevelColors& colors,
                           COLORREF fill) const {
  OwnedBrush brush = MakeSolidBrush(fill);
  FillRect(dc, &rect, brush.Get());
  const int line = Scale().Line();
  DrawBevelRing(dc, rect, colors.outerBottomRight, colors.outerTopLeft, line);
  RECT inner = rect;
  InflateRect(&inner, -line, -line);
  DrawBevelRing(dc, inner, colors.innerBottomRight, colors.innerTopLeft, line);
}

void ButtonBase::DrawLabel(HDC dc, const char* text, RECT rect, UINT format, bool enabled) const {
  format |= DT_SINGLELINE | DT_VCENTER;
  if (enabled)
    DrawPlainText(dc, text, rect, format, TextColor());
  else
    DrawEngravedText(dc, text, rect, format, lightColor, darkColor, Scale());
}
