#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

namespace imagegen {

// An .ico file holding each image as a 32-bit BGRA DIB with its AND mask
// (set where a pixel is less than half opaque). Sides must be 1 to 256 pixels.
std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images);

}  // namespace imagegen
