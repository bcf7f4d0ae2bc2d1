#pragma once

#include "Image.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace imagegen {

// A 4-bit .bmp file (bottom-up DIB, 16-entry palette) of `image`, or nothing
// when the image uses more than 16 colours.
std::optional<std::vector<std::uint8_t>> EncodeBmp16(const RgbImage& image);

}  // namespace imagegen
