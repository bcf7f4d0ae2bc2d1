#include "plan/PlanComparison.h"

#include <algorithm>
#include <map>

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
void ForEachSkill(const SkillPlan& plan, const std::string& noLabel, Visit visit) {
  const std::string* label = &noLabel;
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
  const std::string noLabel;
  auto add = [&skills](const std::string& label, const SkillEntry& listed, const SkillEntry* mine,
                       const SkillEntry* theirs) {
    SkillDifference& skill = skills.emplace_back();
    skill.jobLabel = label;
    skill.name = listed.displayName;
    skill.current = LevelIn(mine);
    skill.other = LevelIn(theirs);
  };
  ForEachSkill(current, noLabel, [&](const SkillEntry& entry, const std::string& label) {
    const SkillEntry* theirs = EntryOf(other, entry.rowId, entry.key);
    if ((theirs != nullptr ? theirs->level : 0) != entry.level) add(label, entry, &entry, theirs);
  });
  ForEachSkill(other, noLabel, [&](const SkillEntry& entry, const std::string& label) {
    if (entry.level != 0 && EntryOf(current, entry.rowId, entry.key) == nullptr)
      add(label, entry, nullptr, &entry);
  });
  return skills;
}

std::int64_t Size(const ItemDifference& item) {
  const std::int64_t difference = std::int64_t{item.other} - item.current;
  return difference < 0 ? -difference : difference;
}

std::vector<ItemDifference> ItemDifferences(const PlanOverview& current,
                                            const PlanOverview& other) {
  std::vector<ItemDifference> items;
  std::map<std::string, std::size_t> positions;  // name to index in items
  for (const MasterItemTotal& item : current.items) {
    positions.try_emplace(item.name, items.size());
    items.push_back({item.name, item.count, 0});
  }
  for (const MasterItemTotal& item : other.items) {
    const auto [position, added] = positions.try_emplace(item.name, items.size());
    if (added) items.push_back({item.name, 0, 0});
    items[position->second].other = item.count;
  }
  items.erase(std::remove_if(items.begin(), items.end(),
                             [](const ItemDifference& item) { return item.current == item.other; }),
              items.end());
  std::sort(items.begin(), items.end(), [](const ItemDifference& a, const ItemDifference& b) {
    return Size(a) != Size(b) ? Size(a) > Size(b) : a.name < b.name;
  });
  return items;
}

}  // namespace

PlanComparison::PlanComparison() = default;
PlanComparison::~PlanComparison() = default;

void ComparePlans(const SkillPlan& current, const SkillPlan& other, const GameTables& tables,
                  PlanComparison& comparison) {
  comparison.current = ComparedPlanOf(current, tables);
  comparison.other = ComparedPlanOf(other, tables);
  comparison.skills = SkillDifferences(current, other);
  comparison.items = ItemDifferences(comparison.current.overview, comparison.other.overview);
}

std::int32_t Difference(std::int32_t current, std::int32_t other) {
  return ClampToInt32(std::int64_t{other} - current);
}

bool CompareWithRecords(const SkillPlan& current, JobCode code,
                        const std::vector<PlanRecord>& records, PlanComparison& comparison) {
  SkillPlan other(current.Tables());
  other.BuildPlan(code);
  if (!other.ReplayRecords(records)) return false;
  ComparePlans(current, other, current.Tables(), comparison);
  return true;
}

void CompareWithLevels(const SkillPlan& current, const PlanLevels& levels,
                       PlanComparison& comparison) {
  SkillPlan other(current.Tables());
  other.Restore(levels);
  ComparePlans(current, other, current.Tables(), comparison);
}
