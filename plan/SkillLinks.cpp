#include "plan/SkillLinks.h"

#include <unordered_set>

#include "plan/SkillPlan.h"

namespace {

const std::string& DisplayNameOf(const SkillPlan& plan, const std::string& key) {
  // No FindEntry here: a reader must not add entries.
  const SkillEntry* held = plan.HeldEntry(key);
  return held ? held->displayName : key;
}

}  // namespace

bool RowLinksOf(const SkillPlan& plan, int row, SkillLinks& links) {
  const SkillEntry* entry = plan.RowEntry(row);
  if (entry == nullptr) return false;
  links = SkillLinks();
  for (const SkillPrerequisite& prerequisite : entry->prerequisites)
    links.prerequisites.emplace_back(DisplayNameOf(plan, prerequisite.key), prerequisite.level);
  // A dependent on two rows, or requiring the skill twice, is linked more than once.
  std::unordered_set<std::string> named;
  for (const SkillPrerequisite& dependent : entry->dependents)
    if (named.insert(dependent.key).second)
      links.dependents.push_back(DisplayNameOf(plan, dependent.key));
  return true;
}
