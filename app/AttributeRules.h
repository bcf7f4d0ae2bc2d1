#pragma once

// The seven attribute boxes and the four job buttons of the main window, by
// index, and the rules of which boxes a type and job allow and which exclude
// each other. Type buttons are numbered by character type (data/GameTables.h).
enum AttributeBox { kWater, kWind, kEarth, kFire, kThunder, kLight, kDark, kAttributeCount };

// The four job buttons, by index: each rank includes the ranks below it.
enum JobButton { kBasicJob, kRank1Job, kRank2HJob, kRank2SJob, kJobButtonCount };

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
