#include "app/AttributeRules.h"

namespace {

constexpr int kRank1Job = 1;
constexpr int kRank2HJob = 2;

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
  return (type == kSheepType && job >= kRank1Job) || (type == kDragonType && job == kRank2HJob);
}

bool LightDarkEnabled(int type, int job) {
  return (type == kDragonType && job >= kRank1Job) || (type == kSheepType && job == kRank2HJob);
}

bool IsLightOrDark(int box) { return box == kLight || box == kDark; }

ExcludedBoxes BoxesClearedBy(int box) {
  if (box < 0 || box >= kAttributeCount) return {{-1, -1}};
  return kCleared[box];
}
