#include "vexacheck/Finding.h"

namespace {

constexpr std::string_view kPlaceholder = "%s";

bool IsControl(char byte) { return static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F; }

}  // namespace

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  auto value = values.begin();
  for (std::size_t at = pattern.find(kPlaceholder);
       at != std::string_view::npos && value != values.end(); at = pattern.find(kPlaceholder)) {
    text.append(pattern.substr(0, at));
    for (char byte : *value++) text.push_back(IsControl(byte) ? '?' : byte);
    pattern.remove_prefix(at + kPlaceholder.size());
  }
  text.append(pattern);
  return text;
}
