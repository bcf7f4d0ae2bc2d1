#include "ui/DpiScale.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Windows before 10 (1607) lacks it: looked up, not imported, so that the
// program still starts there.
GetDpiForWindowFunction GetDpiForWindowEntry() {
  static const auto entry = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  return entry;
}

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : display::kDesignDpi;
}

}  // namespace

DpiScale DpiScale::Of(HWND window) {
  const GetDpiForWindowFunction entry = GetDpiForWindowEntry();
  const UINT dpi = entry && window ? entry(window) : 0;
  return DpiScale(dpi > 0 ? dpi : ScreenDpi());
}
