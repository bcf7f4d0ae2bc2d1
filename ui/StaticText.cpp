#include "ui/StaticText.h"

#include "ui/WindowStyles.h"

StaticText::StaticText() : ControlBase(true) {}

bool StaticText::Attach(HWND window) {
  if (!ControlBase::Attach(window)) return false;
  AddExtendedStyle(window, WS_EX_CONTROLPARENT);
  RemoveClassDoubleClicks(window);
  return true;
}

bool StaticText::Detach() {
  if (!Hwnd()) return false;
  brush.Reset();
  return ControlBase::Detach();
}

LRESULT StaticText::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM) {
  return msg == WM_CTLCOLORSTATIC
             ? reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)))
             : 0;
}

void StaticText::SetBackColor(COLORREF color, bool redraw) {
  brush.Reset(CreateSolidBrush(color));
  ControlBase::SetBackColor(color, redraw);
}

HBRUSH StaticText::OnCtlColor(HDC dc) const {
  SelectObject(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, TextColor());
  return brush.Get();
}
