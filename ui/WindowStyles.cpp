#include "ui/WindowStyles.h"

void SetButtonStyle(HWND button, LONG style) {
  SetWindowLongA(button, GWL_STYLE, style);
  SendMessageA(button, BM_SETSTYLE, style, TRUE);
}

void AddExtendedStyle(HWND window, LONG bits) {
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | bits);
}

void RemoveClassDoubleClicks(HWND window) {
  SetClassLongPtrA(window, GCL_STYLE, GetClassLongPtrA(window, GCL_STYLE) & ~CS_DBLCLKS);
}
