// The program's colours, as Windows colour values (0x00BBGGRR). One home for
// the windows, the image generator that draws the bitmaps and the tests.
#pragma once

#include <cstdint>

namespace palette {

inline constexpr std::uint32_t kTextColor = 0x800000;      // navy: labels, list texts
inline constexpr std::uint32_t kBackColor = 0xFFE0C0;      // the dialogs, odd list rows
inline constexpr std::uint32_t kAltRowColor = 0xF4D4B4;    // even list rows
inline constexpr std::uint32_t kFrameColor = 0xB00040;     // the group boxes' frames
inline constexpr std::uint32_t kUnlearntColor = 0x907060;  // levels at 0
inline constexpr std::uint32_t kMasterColor = 0x0000FF;    // "Master!"

}  // namespace palette
