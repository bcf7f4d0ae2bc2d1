#pragma once

#include <array>
#include <list>
#include <string>

#include "data/SkillDefinition.h"

// The three tables the data file fills, by character type index, job slot and
// skill list index.
constexpr int kTypeCount = 8;
constexpr int kJobSlotCount = 5;
constexpr int kSkillListCount = 49;

using TypeNameTable = std::array<std::string, kTypeCount>;
using JobNameTable = std::array<std::array<std::string, kJobSlotCount>, kTypeCount>;
using SkillList = std::list<SkillDefinition>;
using SkillListTable = std::array<SkillList, kSkillListCount>;
