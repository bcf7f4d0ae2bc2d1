#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A skill that must be learnt first, and the level it must have.
struct SkillPrerequisite {
  SkillPrerequisite() = default;
  SkillPrerequisite(std::string key, std::int32_t level) : key(std::move(key)), level(level) {}
  SkillPrerequisite(const SkillPrerequisite&) = default;
  SkillPrerequisite(SkillPrerequisite&&) = default;
  SkillPrerequisite& operator=(const SkillPrerequisite&) = default;
  SkillPrerequisite& operator=(SkillPrerequisite&&) = default;
  virtual ~SkillPrerequisite() = default;

  std::string key;
  std::int32_t level = 0;
};

// One skill line of the data file.
struct SkillDefinition {
  SkillDefinition() = default;
  SkillDefinition(const SkillDefinition&) = default;
  SkillDefinition(SkillDefinition&&) = default;
  SkillDefinition& operator=(const SkillDefinition&) = default;
  SkillDefinition& operator=(SkillDefinition&&) = default;
  virtual ~SkillDefinition() = default;

  std::int32_t learnLevel = 0;
  std::int32_t learnPoints = 0;
  std::int32_t masterPoints = 0;  // 0 marks a skill with a single level
  std::int32_t masterItemCount = 0;
  std::string key;
  std::string displayName;
  std::string masterItemName;
  std::vector<SkillPrerequisite> prerequisites;
};
