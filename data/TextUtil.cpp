#include "data/TextUtil.h"

#include <algorithm>
#include <limits>

namespace {

// Where the digits of a decimal start: after an optional sign.
std::size_t DigitsStart(std::string_view text) {
  return !text.empty() && (text.front() == '+' || text.front() == '-') ? 1 : 0;
}

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

std::int32_t ReadDecimal(std::string_view text) {
  std::size_t at = DigitsStart(text);
  const bool negative = at != 0 && text.front() == '-';
  // The magnitude stops growing at the range's end, so no digit run can overflow.
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::int64_t{std::numeric_limits<std::int32_t>::max()};
  std::int64_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    magnitude = std::min(magnitude * 10 + (text[at] - '0'), limit);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool StartsWithDecimal(std::string_view text) {
  const std::size_t at = DigitsStart(text);
  return at < text.size() && IsDigit(text[at]);
}

std::string UpperHex(std::uint32_t value, int minDigits) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (; value != 0 || static_cast<int>(hex.size()) < minDigits; value >>= 4) {
    hex.insert(hex.begin(), kDigits[value & 0xF]);
  }
  return hex;
}

bool LineCutter::Next(std::string_view& line) {
  if (rest.empty()) return false;
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) {
    line = rest;
    rest = std::string_view();
    return true;
  }
  line = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}
