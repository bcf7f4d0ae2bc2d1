// The yardstick of the start-up benchmark: a dialog program that does nothing
// but show a dialog of the main window's size in the same background colour.
#include <windows.h>

#include "ReferenceDialog.h"

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  static HBRUSH background = CreateSolidBrush(kReferenceBackColor);
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(background);
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(window, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_REFERENCE_DIALOG), nullptr, Procedure, 0);
  return 0;
}
