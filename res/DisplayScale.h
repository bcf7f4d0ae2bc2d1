// How the program's 96-DPI design grows with the display's DPI, shared by the
// windows that draw it and the image generator that draws the step images.
#pragma once

namespace display {

inline constexpr int kDesignDpi = 96;

// A length of the design at dpi, rounded to the nearest pixel, halves away
// from zero (as the system's MulDiv rounds).
constexpr int Scaled(int length, int dpi) {
  const long long product = static_cast<long long>(length) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                       : -((-product + half) / kDesignDpi));
}

// The design's one-pixel lines: one pixel up to 150 %, two from 175 %.
constexpr int LineWidth(int dpi) { return dpi >= 168 ? 2 : 1; }

}  // namespace display
