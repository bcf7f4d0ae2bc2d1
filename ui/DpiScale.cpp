#include "ui/DpiScale.h"

#include "ui/LibraryEntry.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// Windows before 10 (1607) lacks these.
GetDpiForWindowFunction GetDpiForWindowEntry() {
  static const auto entry = User32Entry<GetDpiForWindowFunction>("GetDpiForWindow");
  return entry;
}

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : display::kDesignDpi;
}

}  // namespace

DpiScale DpiScale::OfSystem() { return DpiScale(ScreenDpi()); }

DpiScale DpiScale::Of(HWND window) {
  const GetDpiForWindowFunction entry = GetDpiForWindowEntry();
  const UINT dpi = entry && window ? entry(window) : 0;
  return DpiScale(dpi > 0 ? dpi : ScreenDpi());
}

void AdjustWindowRectForDpi(RECT& rect, HWND window, DpiScale scale) {
  static const auto adjustForDpi = User32Entry<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, extendedStyle, scale.Dpi()))
    AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
}

bool SystemMetricsForDpi(NONCLIENTMETRICSW& metrics, DpiScale scale) {
  static const auto parametersForDpi =
      User32Entry<ParametersForDpiFunction>("SystemParametersInfoForDpi");
  return parametersForDpi &&
         parametersForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, scale.Dpi());
}
