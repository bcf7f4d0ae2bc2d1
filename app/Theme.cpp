#include "app/Theme.h"

void ApplyTheme(ControlBase& control, HWND controlWindow, int height) {
  control.Attach(controlWindow);
  control.SetTextColor(kThemeTextColor, false);
  control.SetBackColor(kThemeBackColor, false);
  control.SetFaceAndHeight(kThemeFaceName, height, false);
}
