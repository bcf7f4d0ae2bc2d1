#pragma once

#include "Image.h"
#include "res/Palette.h"

namespace imagegen {

// A Windows colour value (0x00BBGGRR) as the generator's pixel.
constexpr Rgb RgbOf(std::uint32_t color) {
  return Rgb{static_cast<std::uint8_t>(color & 0xFF),
             static_cast<std::uint8_t>((color >> 8) & 0xFF),
             static_cast<std::uint8_t>((color >> 16) & 0xFF)};
}

// The program's colours that its images share with its windows.
inline constexpr Rgb kBackColor = RgbOf(palette::kBackColor);
inline constexpr Rgb kAltRowColor = RgbOf(palette::kAltRowColor);
inline constexpr Rgb kTextNavy = RgbOf(palette::kTextColor);
inline constexpr Rgb kMasterRed = RgbOf(palette::kMasterColor);  // and pressed glyphs
inline constexpr Rgb kFrameColor = RgbOf(palette::kFrameColor);
inline constexpr Rgb kUnlearntGrey = RgbOf(palette::kUnlearntColor);
inline constexpr Rgb kLightEdge{240, 248, 255};  // the step buttons' outer light

}  // namespace imagegen
