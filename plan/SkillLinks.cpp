#include "plan/SkillLinks.h"

#include <mutex>
#include <unordered_set>

#include "plan/GameDatabase.h"

const std::string& GameDatabase::DisplayNameOf(const std::string& key) const {
  // No FindEntry here: a reader must not add entries.
  const auto found = entries.find(key);
  const bool held = found != entries.end() && !found->second.key.empty();
  return held ? found->second.displayName : key;
}

bool GameDatabase::CopyRowLinks(int row, SkillLinks& links) const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  const SkillEntry* entry = RowEntry(row);
  if (entry == nullptr) return false;
  links = SkillLinks();
  for (const SkillPrerequisite& prerequisite : entry->prerequisites)
    links.prerequisites.emplace_back(DisplayNameOf(prerequisite.key), prerequisite.level);
  // A dependent on two rows, or requiring the skill twice, is linked more than once.
  std::unordered_set<std::string> named;
  for (const SkillPrerequisite& dependent : entry->dependents)
    if (named.insert(dependent.key).second)
      links.dependents.push_back(DisplayNameOf(dependent.key));
  return true;
}
