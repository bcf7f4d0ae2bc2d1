#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "data/GameTables.h"

// The file line of every stored skill, by skill list and place in the list.
using SkillLineTable = std::array<std::vector<int>, kSkillListCount>;

// One stored skill as the checks walk them.
struct SkillPlace {
  int list;
  int line;
  std::size_t ordinal;  // counts the skills walked so far, from 0
};

// Calls visit(definition, place) for every stored skill, list by list, each
// in file order.
template <typename Visit>
void ForEachSkill(const SkillListTable& lists, const SkillLineTable& lines, Visit&& visit) {
  std::size_t ordinal = 0;
  for (int list = 0; list < kSkillListCount; ++list) {
    const std::vector<int>& listLines = lines[static_cast<std::size_t>(list)];
    std::size_t place = 0;
    for (const SkillDefinition& definition : lists[static_cast<std::size_t>(list)]) {
      visit(definition,
            SkillPlace{list, place < listLines.size() ? listLines[place] : 0, ordinal++});
      ++place;
    }
  }
}
