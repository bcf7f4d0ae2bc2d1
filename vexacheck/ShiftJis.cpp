#include "vexacheck/ShiftJis.h"

namespace {

bool IsSingle(unsigned char byte) { return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF); }

bool IsLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

}  // namespace

std::size_t InvalidShiftJisAt(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (IsSingle(byte)) {
      ++at;
    } else if (IsLead(byte) && at + 1 < bytes.size() &&
               IsTrail(static_cast<unsigned char>(bytes[at + 1]))) {
      at += 2;
    } else {
      return at;
    }
  }
  return std::string_view::npos;
}
