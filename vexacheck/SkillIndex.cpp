#include "vexacheck/SkillIndex.h"

#include <algorithm>

#include "plan/SkillEntry.h"

SkillIndex::SkillIndex(const SkillListTable& lists, const SkillLineTable& lines) {
  std::size_t count = 0;
  for (const SkillList& list : lists) count += list.size();
  ids.reserve(count);
  ForEachSkill(lists, lines, [this](int list, const SkillDefinition& definition, int line) {
    const auto [found, added] = ids.try_emplace(definition.key, static_cast<int>(keys.size()));
    if (added) keys.push_back(Key{definition.key, 0, 0, line});
    Key& key = keys[static_cast<std::size_t>(found->second)];
    key.lists |= std::uint64_t{1} << list;
    key.maxLevel = std::max(key.maxLevel, MaxLevelOf(definition));
  });
}

int SkillIndex::Find(std::string_view key) const {
  const auto found = ids.find(key);
  return found == ids.end() ? kNone : found->second;
}
