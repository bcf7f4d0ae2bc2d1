#pragma once

#include <array>
#include <list>
#include <string>

#include "data/SkillDefinition.h"

// The three tables the data file fills, by character type index, job slot and
// skill list index.
constexpr int kTypeCount = 8;
constexpr int kSkillListCount = 49;

// The character types by index, in pairs that share a basic job. Only the
// sheep and the dragon have attributes.
enum CharacterType { kBunny, kBuffalo, kSheep, kDragon, kFox, kLion, kCat, kRaccoon };

// The job slots: basic job, rank 1, rank 2 (H), rank 2 (S) (the dragon's S1),
// and the dragon's rank 2 (S2).
enum JobSlot { kBasicSlot, kRank1Slot, kRank2HSlot, kRank2SSlot, kRank2S2Slot, kJobSlotCount };

using TypeNameTable = std::array<std::string, kTypeCount>;
using JobNameTable = std::array<std::array<std::string, kJobSlotCount>, kTypeCount>;
using SkillList = std::list<SkillDefinition>;
using SkillListTable = std::array<SkillList, kSkillListCount>;
