#include "plan/PlanOverview.h"

#include <algorithm>

#include "plan/ClampedInt.h"
#include "plan/SkillPlan.h"

void PlanOverviewTally::Add(const SkillEntry& skill) {
  ++overview.skillCount;
  if (skill.level < 1) return;
  ++overview.learntCount;
  overview.requiredLevel = std::max(overview.requiredLevel, skill.learnLevel);
  if (!skill.IsMastered()) return;
  ++overview.masteredCount;
  // The list shows no item for a count below 1; a nameless item makes no row.
  if (skill.masterItemCount < 1 || skill.masterItemName.empty()) return;
  const auto [position, added] =
      itemPositions.try_emplace(skill.masterItemName, overview.items.size());
  if (added) {
    overview.items.push_back({skill.masterItemName, 0, {}});
    itemSums.push_back(0);
  }
  itemSums[position->second] += skill.masterItemCount;
  overview.items[position->second].skills.push_back(skill.displayName);
}

PlanOverview PlanOverviewTally::Finish(std::int32_t totalPoints) {
  for (std::size_t i = 0; i < overview.items.size(); ++i)
    overview.items[i].count = ClampToInt32(itemSums[i]);
  std::sort(overview.items.begin(), overview.items.end(),
            [](const MasterItemTotal& a, const MasterItemTotal& b) {
              return a.count != b.count ? a.count > b.count : a.name < b.name;
            });
  overview.totalPoints = totalPoints;
  PlanOverview finished = std::move(overview);
  *this = PlanOverviewTally();
  return finished;
}

PlanOverview OverviewOf(const SkillPlan& plan) {
  PlanOverviewTally tally;
  for (int row = 0; row < plan.RowCount(); ++row) {
    // A skill on two rows stands at its later one and is counted there.
    const SkillEntry* entry = plan.RowEntry(row);
    if (entry != nullptr && entry->rowId == row) tally.Add(*entry);
  }
  return tally.Finish(plan.TotalPoints());
}
