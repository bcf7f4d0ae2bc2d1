#pragma once

#include "data/GameTables.h"

// Where each character type's skills stand among the skill lists: a pair of
// types shares a basic list, and each type has its first rank-1 and rank-2
// list. Each rank of the sheep and the dragon is a base list followed by one
// list per attribute, at the offsets below.
constexpr int kBasicLists[kTypeCount / 2] = {0, 7, 35, 42};  // by type pair
constexpr int kRankOneLists[kTypeCount] = {1, 4, 8, 23, 36, 39, 43, 46};
constexpr int kRankTwoLists[kTypeCount] = {3, 6, 17, 32, 38, 41, 45, 48};

// Offsets from a sheep rank's base list, and from a dragon rank's.
enum ElementListOffset { kWaterList = 1, kWindList, kEarthList, kFireList, kThunderList };
enum LightDarkListOffset { kLightList = 1, kDarkList };
