#pragma once

// The seven attribute boxes of the main window, by index, and the rules of
// which of them a type and job allow and which exclude each other.
enum AttributeBox { kWater, kWind, kEarth, kFire, kThunder, kLight, kDark, kAttributeCount };

inline constexpr int kSheepType = 2;
inline constexpr int kDragonType = 3;

// The five elements: sheep past the basic job, the dragon at rank 2 (H).
bool ElementsEnabled(int type, int job);
// Light and dark: the dragon past the basic job, the sheep at rank 2 (H).
bool LightDarkEnabled(int type, int job);

bool IsLightOrDark(int box);

// The boxes that setting one clears: the two elements that are not its
// neighbours in the cycle water, wind, earth, fire, thunder; or the other of
// light and dark. Unused places hold -1.
struct ExcludedBoxes {
  int boxes[2];
};
ExcludedBoxes BoxesClearedBy(int box);
