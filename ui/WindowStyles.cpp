#include "ui/WindowStyles.h"

void SetButtonStyle(HWND button, LONG style) {
  SetWindowLongA(button, GWL_STYLE, style);
  // A button not on the screen yet (a dialog being set up) is painted when it
  // is shown; a repaint now would be wasted.
  SendMessageA(button, BM_SETSTYLE, style, IsWindowVisible(button));
}

void AddExtendedStyle(HWND window, LONG bits) {
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | bits);
}

void RemoveClassDoubleClicks(HWND window) {
  // Every button shares the class: only the first change needs the server.
  const ULONG_PTR style = GetClassLongPtrA(window, GCL_STYLE);
  if (style & CS_DBLCLKS) SetClassLongPtrA(window, GCL_STYLE, style & ~CS_DBLCLKS);
}
