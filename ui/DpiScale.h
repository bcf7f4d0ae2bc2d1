#pragma once

#include <windows.h>

#include "res/DisplayScale.h"

// A window's DPI, and the design's pixel lengths at it.
class DpiScale {
 public:
  constexpr DpiScale() = default;
  constexpr explicit DpiScale(UINT dpi) : dpi(dpi > 0 ? dpi : display::kDesignDpi) {}

  constexpr UINT Dpi() const { return dpi; }
  // A length of the 96-DPI design, rounded.
  constexpr int operator()(int designPixels) const {
    return display::Scaled(designPixels, static_cast<int>(dpi));
  }
  // The thickness of the design's one-pixel lines.
  constexpr int Line() const { return display::LineWidth(static_cast<int>(dpi)); }
  constexpr bool operator==(const DpiScale& other) const { return dpi == other.dpi; }
  constexpr bool operator!=(const DpiScale& other) const { return dpi != other.dpi; }

  // The DPI the window is shown at: its monitor's where the system tells it,
  // else the screen's.
  static DpiScale Of(HWND window);
  // The DPI of the system's own metrics and fonts.
  static DpiScale OfSystem();

 private:
  UINT dpi = display::kDesignDpi;
};

// Grows a client rectangle to the window rectangle of the window's styles,
// with the frame and caption of the DPI where the system has them per DPI.
void AdjustWindowRectForDpi(RECT& rect, HWND window, DpiScale scale);

// The system's non-client metrics (its fonts) at the DPI; false where the
// system has them only at its own DPI.
bool SystemMetricsForDpi(NONCLIENTMETRICSW& metrics, DpiScale scale);
