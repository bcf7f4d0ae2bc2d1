#include "vexacheck/PrerequisiteCheck.h"

#include <JapaneseText.h>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

constexpr int kNoPlan = -1;

// The plans that hold one list, and for each set of lists that holds a
// prerequisite, the first of those plans that lacks it; most prerequisites
// share a few such sets, so each is worked out once.
class ListPlans {
 public:
  ListPlans(int list, const std::vector<SelectablePlan>& plans) : plans(plans) {
    for (std::size_t plan = 0; plan < plans.size(); ++plan) {
      if ((plans[plan].lists >> list & 1u) != 0) holding.push_back(static_cast<int>(plan));
    }
  }

  int FirstLacking(std::uint64_t requiredLists) {
    const auto [found, added] = lacking.try_emplace(requiredLists, kNoPlan);
    if (added) {
      const auto plan = std::find_if(holding.begin(), holding.end(), [&](int held) {
        return (plans[static_cast<std::size_t>(held)].lists & requiredLists) == 0;
      });
      if (plan != holding.end()) found->second = *plan;
    }
    return found->second;
  }

 private:
  const std::vector<SelectablePlan>& plans;
  std::vector<int> holding;
  std::unordered_map<std::uint64_t, int> lacking;
};

}  // namespace

void CheckPrerequisites(const SkillListTable& lists, const SkillLineTable& lines,
                        const SkillIndex& index, const std::vector<SelectablePlan>& plans,
                        Findings& findings) {
  const auto warn = [&findings](int line, std::string message) {
    findings.push_back(Finding{line, Finding::Severity::kWarning, std::move(message)});
  };
  std::vector<ListPlans> listPlans;
  listPlans.reserve(kSkillListCount);
  for (int list = 0; list < kSkillListCount; ++list) listPlans.emplace_back(list, plans);

  ForEachSkill(lists, lines, [&](const SkillDefinition& definition, SkillPlace place) {
    for (std::size_t n = 0; n < definition.prerequisites.size(); ++n) {
      const SkillPrerequisite& required = definition.prerequisites[n];
      const int id = index.PrerequisiteKey(place.ordinal, n);
      if (id == SkillIndex::kNone) {
        warn(place.line, FillIn(kCheckUnknownPrerequisite, {required.key}));
        continue;
      }
      const SkillIndex::Key& key = index[id];
      // A key in the skill's own list is in every plan that holds the skill.
      if ((key.lists >> place.list & 1u) == 0) {
        const int plan = listPlans[static_cast<std::size_t>(place.list)].FirstLacking(key.lists);
        if (plan != kNoPlan) {
          warn(place.line, FillIn(kCheckPrerequisiteNotInPlan,
                                  {required.key, plans[static_cast<std::size_t>(plan)].name}));
        }
      }
      if (required.level > key.maxLevel) {
        warn(place.line,
             FillIn(kCheckPrerequisiteAboveMax,
                    {required.key, std::to_string(required.level), std::to_string(key.maxLevel)}));
      }
    }
  });
}
