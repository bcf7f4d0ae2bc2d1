#include "plan/SelectionText.h"

#include <JapaneseText.h>

const char* AttributeGlyph(AttributeBox box) {
  static constexpr const char* kGlyphs[kAttributeCount] = {
      kDataAttributeWater,   kDataAttributeWind,  kDataAttributeEarth, kDataAttributeFire,
      kDataAttributeThunder, kDataAttributeLight, kDataAttributeDark};
  return kGlyphs[Index(box)];
}

std::string AttributeListText(const std::array<bool, kAttributeCount>& set) {
  std::string text;
  for (AttributeBox box : kAttributeBoxes) {
    if (!set[Index(box)]) continue;
    text += text.empty() ? kAttributeListOpen : kAttributeListSeparator;
    text += AttributeGlyph(box);
  }
  return text.empty() ? text : text + kAttributeListClose;
}
