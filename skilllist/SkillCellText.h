#pragma once

#include <cstdint>
#include <string>

#include "plan/SkillEntry.h"

// What a text column of the skill list shows for a plan row; empty for the
// hidden column and the step columns.
std::string SkillCellText(const SkillEntry& entry, int rowPoints, int column);

// The level column's text: "Master!" for a mastered skill, else the level.
std::string SkillLevelText(std::int32_t level, bool mastered);
