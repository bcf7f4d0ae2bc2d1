#include "plan/SkillEntry.h"

#include "plan/ClampedInt.h"

int MaxLevelOf(const SkillDefinition& definition) {
  return definition.masterPoints != 0 ? SkillEntry::kMasterLevel : 1;
}

int SkillEntry::MaxLevel() const { return MaxLevelOf(*this); }

bool SkillEntry::IsMastered() const { return level == MaxLevel(); }

int SkillEntry::Points() const {
  if (level <= 0) return level;
  // The data may hold any 32-bit cost, and a prerequisite may push a level far
  // above its maximum: add in 64 bits and clamp.
  std::int64_t points = std::int64_t{level} + learnPoints - 1;
  if (masterPoints != 0 && level == kMasterLevel) points += std::int64_t{masterPoints} - 1;
  return ClampToInt32(points);
}
