#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A skill that must be learnt first, and the level it must have.
// Plain values, copied into containers: no virtual destructor, which would
// only add a table pointer to every copy.
struct SkillPrerequisite {
  SkillPrerequisite() = default;
  SkillPrerequisite(std::string key, std::int32_t level) : key(std::move(key)), level(level) {}

  std::string key;
  std::int32_t level = 0;
};

// One skill line of the data file.
struct SkillDefinition {
  std::int32_t learnLevel = 0;
  std::int32_t learnPoints = 0;
  std::int32_t masterPoints = 0;  // 0 marks a skill with a single level
  std::int32_t masterItemCount = 0;
  std::string key;
  std::string displayName;
  std::string masterItemName;
  std::vector<SkillPrerequisite> prerequisites;
};
