#include "data/TextUtil.h"

#include <algorithm>
#include <limits>

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

SplitText splitAt(const std::string& text, const std::string& separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return SplitText{TrimBlanks(text), std::string()};
  return SplitText{TrimBlanks(text.substr(0, at)), TrimBlanks(text.substr(at + separator.size()))};
}

std::string nextToken(std::string& text) {
  SplitText parts = splitAt(text, " ");
  text = std::move(parts.rest);
  return std::move(parts.head);
}

std::int32_t ReadDecimal(const std::string& text) {
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
