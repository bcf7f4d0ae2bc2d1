#include "plan/SelectionText.h"

#include <JapaneseText.h>

const char* AttributeGlyph(AttributeBox box) {
  switch (box) {
    case AttributeBox::kWater:
      return kDataAttributeWater;
    case AttributeBox::kWind:
      return kDataAttributeWind;
    case AttributeBox::kEarth:
      return kDataAttributeEarth;
    case AttributeBox::kFire:
      return kDataAttributeFire;
    case AttributeBox::kThunder:
      return kDataAttributeThunder;
    case AttributeBox::kLight:
      return kDataAttributeLight;
    case AttributeBox::kDark:
      return kDataAttributeDark;
  }
  return "";
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
