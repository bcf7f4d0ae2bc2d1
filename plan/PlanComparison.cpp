#include "plan/PlanComparison.h"

#include <algorithm>
#include <map>
#include <utility>

#include "plan/ClampedInt.h"
#include "plan/JobCodeLayout.h"
#include "plan/SkillPlan.h"

namespace {

ComparedPlan ComparedPlanOf(const SkillPlan& plan, const GameTables& tables) {
  ComparedPlan compared;
  compared.code = plan.GetJobCode();
  compared.overview = OverviewOf(plan);
  const int type = JobCodeType(compared.code);
  if (type < 0) return compared;
  tables.typeName(type, compared.typeName);
  // The label the set job button would show, as the plan's rank-2 block is labelled.
  const int job = JobButtonOfCode(compared.code);
  const bool dark = ShownBoxState(compared.code, AttributeBox::kDark).value_or(false);
  if (job >= 0) tables.jobName(type, JobButtonSlot(type, job, dark), compared.jobLabel);
  for (AttributeBox box : kAttributeBoxes)
    compared.attributes[Index(box)] = AttributeCounts(compared.code, box);
  return compared;
}

ComparedLevel LevelIn(const SkillEntry* entry) {
  if (entry == nullptr) return ComparedLevel();
  return {true, entry->level, entry->IsMastered(), entry->Points()};
}

// Each skill of the plan once, at the row its entry stands on (a skill in two
// lists at its later row), with the job label of that row's block.
template <typename Visit>
void ForEachSkill(const SkillPlan& plan, Visit visit) {
  static const std::string kNoLabel;
  const std::string* label = &kNoLabel;
  for (int row = 0; row < plan.RowCount(); ++row) {
    const SkillEntry& entry = *plan.RowEntry(row);
    if (entry.rowId != row) continue;
    if (!entry.jobLabel.empty()) label = &entry.jobLabel;
    visit(entry, *label);
  }
}

// The plan's entry of a skill that stands on a row of another plan: plans of
// one code hold the same skill on the same row, found without a hash.
const SkillEntry* EntryOf(const SkillPlan& plan, int row, const std::string& key) {
  const SkillEntry* sameRow = plan.RowEntry(row);
  return sameRow != nullptr && sameRow->key == key ? sameRow : plan.HeldEntry(key);
}

std::vector<SkillDifference> SkillDifferences(const SkillPlan& current, const SkillPlan& other) {
  std::vector<SkillDifference> skills;
  ForEachSkill(current, [&](const SkillEntry& entry, const std::string& label) {
    const SkillEntry* theirs = EntryOf(other, entry.rowId, entry.key);
    if ((theirs != nullptr ? theirs->level : 0) != entry.level)
      skills.push_back({label, entry.displayName, LevelIn(&entry), LevelIn(theirs)});
  });
  ForEachSkill(other, [&](const SkillEntry& entry, const std::string& label) {
    if (entry.level != 0 && EntryOf(current, entry.rowId, entry.key) == nullptr)
      skills.push_back({label, entry.displayName, ComparedLevel(), LevelIn(&entry)});
  });
  return skills;
}

std::int64_t Size(const ItemDifference& item) {
  const std::int64_t difference = std::int64_t{item.other} - item.current;
  return difference < 0 ? -difference : difference;
}

std::vector<ItemDifference> ItemDifferences(const PlanOverview& current,
                                            const PlanOverview& other) {
  std::map<std::string, ItemDifference> byName;
  for (const MasterItemTotal& item : current.items) byName[item.name].current = item.count;
  for (const MasterItemTotal& item : other.items) byName[item.name].other = item.count;
  std::vector<ItemDifference> items;
  for (auto& [name, item] : byName) {
    if (item.current == item.other) continue;
    item.name = name;
    items.push_back(std::move(item));
  }
  // Sorted by name already: a stable sort by size keeps that among equals.
  std::stable_sort(
      items.begin(), items.end(),
      [](const ItemDifference& a, const ItemDifference& b) { return Size(a) > Size(b); });
  return items;
}

}  // namespace

PlanComparison ComparePlans(const SkillPlan& current, const SkillPlan& other,
                            const GameTables& tables) {
  PlanComparison comparison;
  comparison.current = ComparedPlanOf(current, tables);
  comparison.other = ComparedPlanOf(other, tables);
  comparison.skills = SkillDifferences(current, other);
  comparison.items = ItemDifferences(comparison.current.overview, comparison.other.overview);
  return comparison;
}

std::int32_t Difference(std::int32_t current, std::int32_t other) {
  return ClampToInt32(std::int64_t{other} - current);
}
