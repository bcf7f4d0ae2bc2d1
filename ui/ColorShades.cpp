#include "ui/ColorShades.h"

namespace {

COLORREF MapChannels(COLORREF color, int base, int divisor) {
  auto channel = [&](BYTE c) { return static_cast<BYTE>(base + c / divisor); };
  return RGB(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

}  // namespace

COLORREF LightShade(COLORREF color) { return MapChannels(color, 128, 2); }
COLORREF LighterShade(COLORREF color) { return MapChannels(color, 192, 4); }
COLORREF DarkShade(COLORREF color) { return MapChannels(color, 0, 2); }
COLORREF DarkerShade(COLORREF color) { return MapChannels(color, 0, 4); }
