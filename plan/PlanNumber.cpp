#include "plan/PlanNumber.h"

#include <limits>

namespace {

// A parsed sign and magnitude. Accumulation stops once the magnitude passes
// its cap, so it never overflows; anything above the cap is out of range.
struct Magnitude {
  bool negative = false;
  std::uint64_t value = 0;
};

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int DigitValue(char c, int base) {
  int digit = base;
  if (c >= '0' && c <= '9') {
    digit = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    digit = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    digit = c - 'A' + 10;
  }
  return digit < base ? digit : -1;
}

Magnitude ReadMagnitude(std::string_view text, int base, std::uint64_t cap) {
  Magnitude magnitude;
  std::size_t at = 0;
  while (at < text.size() && IsWhiteSpace(text[at])) ++at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    magnitude.negative = text[at] == '-';
    ++at;
  }
  // "0x" without digits after it reads as 0 whether or not it is skipped.
  if (base == 16 && (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0)) at += 2;
  for (; at < text.size() && magnitude.value <= cap; ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) break;
    magnitude.value = magnitude.value * base + digit;
  }
  return magnitude;
}

std::uint32_t ReadUnsigned32(std::string_view text, int base) {
  constexpr std::uint64_t kHighest = std::numeric_limits<std::uint32_t>::max();
  const Magnitude magnitude = ReadMagnitude(text, base, kHighest);
  if (magnitude.value > kHighest) return static_cast<std::uint32_t>(kHighest);
  const auto bits = static_cast<std::uint32_t>(magnitude.value);
  return magnitude.negative ? 0u - bits : bits;
}

}  // namespace

std::uint32_t ReadPlanHex(std::string_view text) { return ReadUnsigned32(text, 16); }

std::int32_t ReadPlanLevel(std::string_view text) {
  // Keeps the bits: two's complement on every compiler we build with.
  return static_cast<std::int32_t>(ReadUnsigned32(text, 10));
}
