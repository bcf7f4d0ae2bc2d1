#pragma once

#include <cstdint>
#include <limits>

// Points and levels are shown as 32-bit numbers; sums are made in 64 bits and
// clamped back so that no overflow can occur.
inline std::int32_t ClampToInt32(std::int64_t value) {
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < kLowest ? kLowest : value > kHighest ? kHighest : value);
}
