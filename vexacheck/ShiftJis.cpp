#include "vexacheck/ShiftJis.h"

#include "data/TextUtil.h"

namespace {

bool IsSingle(unsigned char byte) { return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF); }

bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

}  // namespace

std::size_t InvalidShiftJisAt(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (IsSingle(byte)) {
      ++at;
    } else if (IsShiftJisLeadByte(bytes[at]) && at + 1 < bytes.size() &&
               IsTrail(static_cast<unsigned char>(bytes[at + 1]))) {
      at += 2;
    } else {
      return at;
    }
  }
  return std::string_view::npos;
}
