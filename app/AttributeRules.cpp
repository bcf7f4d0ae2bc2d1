#include "app/AttributeRules.h"

#include "data/GameTables.h"

namespace {

constexpr ExcludedBoxes kCleared[kAttributeCount] = {
    {{kEarth, kFire}},     // water
    {{kFire, kThunder}},   // wind
    {{kWater, kThunder}},  // earth
    {{kWater, kWind}},     // fire
    {{kWind, kEarth}},     // thunder
    {{kDark, -1}},         // light
    {{kLight, -1}},        // dark
};

}  // namespace

bool ElementsEnabled(int type, int job) {
  return (type == kSheep && job >= kRank1Job) || (type == kDragon && job == kRank2HJob);
}

bool LightDarkEnabled(int type, int job) {
  return (type == kDragon && job >= kRank1Job) || (type == kSheep && job == kRank2HJob);
}

bool IsLightOrDark(int box) { return box == kLight || box == kDark; }

ExcludedBoxes BoxesClearedBy(int box) {
  if (box < 0 || box >= kAttributeCount) return {{-1, -1}};
  return kCleared[box];
}
