#include "skilllist/CellText.h"

#include <cstring>

#include "data/TextUtil.h"

namespace {

// Bytes of the longest prefix of text that fits in limit bytes without
// splitting a double-byte character.
std::size_t FittingLength(const char* text, std::size_t limit) {
  std::size_t length = 0;
  while (text[length]) {
    const bool doubleByte = IsShiftJisLeadByte(text[length]) && text[length + 1] != '\0';
    const std::size_t next = length + (doubleByte ? 2 : 1);
    if (next > limit) break;
    length = next;
  }
  return length;
}

}  // namespace

void CopyCellText(LVITEMA& item, const char* text) {
  if (!item.pszText || item.cchTextMax <= 0) return;
  const std::size_t length = FittingLength(text, static_cast<std::size_t>(item.cchTextMax) - 1);
  std::memcpy(item.pszText, text, length);
  item.pszText[length] = '\0';
}
