#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vexacheck/SkillLines.h"

// Every skill key the tables hold, numbered in file order, with what the
// prerequisite checks ask of it. Views the keys of the tables, which must
// outlive it.
class SkillIndex {
 public:
  struct Key {
    std::string_view key;
    std::uint64_t lists = 0;  // bit n set: list n holds the key
    int maxLevel = 0;         // the highest of its definitions
    int line = 0;             // its first definition
  };
  static constexpr int kNone = -1;

  SkillIndex(const SkillListTable& lists, const SkillLineTable& lines);

  int Find(std::string_view key) const;  // kNone when no list holds it
  const Key& operator[](int id) const { return keys[static_cast<std::size_t>(id)]; }
  int Size() const { return static_cast<int>(keys.size()); }

 private:
  std::vector<Key> keys;
  std::unordered_map<std::string_view, int> ids;
};
