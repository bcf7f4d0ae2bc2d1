#pragma once

#include <array>
#include <vector>

#include "data/GameTables.h"

// The file line of every stored skill, by skill list and place in the list.
using SkillLineTable = std::array<std::vector<int>, kSkillListCount>;

// Calls visit(list, definition, line) for every stored skill, list by list,
// each in file order.
template <typename Visit>
void ForEachSkill(const SkillListTable& lists, const SkillLineTable& lines, Visit&& visit) {
  for (int list = 0; list < kSkillListCount; ++list) {
    std::size_t place = 0;
    for (const SkillDefinition& definition : lists[list]) {
      const std::vector<int>& listLines = lines[list];
      visit(list, definition, place < listLines.size() ? listLines[place] : 0);
      ++place;
    }
  }
}
