#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "vexacheck/SkillLines.h"

// Every skill key the tables name, numbered in the order ForEachSkill walks
// them, with what the checks ask of it; and the key number of each stored
// skill and of each of its prerequisites, looked up once for all checks.
// Views the keys of the tables, which must outlive it. A key that only
// prerequisites name has a number too, but no lists.
class SkillIndex {
 public:
  struct Key {
    std::string_view key;
    std::uint64_t lists = 0;  // bit n set: list n holds the key
    int maxLevel = 0;         // the highest of its definitions
    int line = 0;             // its first definition
  };
  static constexpr int kNone = -1;  // a prerequisite that no list holds

  SkillIndex(const SkillListTable& lists, const SkillLineTable& lines);

  const Key& operator[](int id) const { return keys[static_cast<std::size_t>(id)]; }
  int Size() const { return static_cast<int>(keys.size()); }
  // By the ordinal of a stored skill (SkillPlace).
  int KeyOf(std::size_t skill) const { return skillKeys[skill]; }
  // The key of the skill's n-th prerequisite, or kNone.
  int PrerequisiteKey(std::size_t skill, std::size_t n) const {
    return prerequisiteKeys[firstPrerequisite[skill] + n];
  }

 private:
  std::vector<Key> keys;
  std::vector<int> skillKeys;
  std::vector<std::size_t> firstPrerequisite;
  std::vector<int> prerequisiteKeys;
};
