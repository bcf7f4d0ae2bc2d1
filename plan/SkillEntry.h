#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/SkillDefinition.h"

// The highest level a skill defined so can have: 11 when it can be mastered, else 1.
int MaxLevelOf(const SkillDefinition& definition);

// The plan's record of one skill: its definition plus the row it stands on,
// its current level and the skills that require it.
struct SkillEntry : SkillDefinition {
  static constexpr std::int32_t kMasterLevel = 11;  // the maximum of a masterable skill

  SkillEntry() = default;
  explicit SkillEntry(const SkillDefinition& definition) : SkillDefinition(definition) {}

  int MaxLevel() const;     // kMasterLevel for a masterable skill, else 1
  bool IsMastered() const;  // level == MaxLevel()
  int Points() const;       // TM points the current level costs, clamped to 32 bits

  std::int32_t rowId = -1;
  std::int32_t level = 0;
  std::string jobLabel;
  std::vector<SkillPrerequisite> dependents;
};
