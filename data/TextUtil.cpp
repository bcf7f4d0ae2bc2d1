#include "data/TextUtil.h"

#include <algorithm>
#include <limits>

std::int32_t ReadDecimal(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // The magnitude stops growing at the range's end, so no digit run can overflow.
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::int64_t{std::numeric_limits<std::int32_t>::max()};
  std::int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = std::min(magnitude * 10 + (text[at] - '0'), limit);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) {
    line.clear();
    return false;
  }
  // getline stops at end of file without setting eof only when it found the LF.
  if (!in.eof() && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}
