// The plan's rows: built from the skill lists a code selects, read, and
// brought back to a plan kept by value.
#include "plan/SkillPlan.h"

#include "plan/ClampedInt.h"
#include "plan/JobCodeLayout.h"

namespace {
constexpr std::int64_t kHBlockLevelOffset = 50;
}  // namespace

bool SkillPlan::BuildPlan(JobCode code) {
  rowEntries.clear();
  entries.clear();
  InvalidateTotal();

  JobCodeLayout layout;
  if (!DecodeJobCode(code, layout)) return false;
  jobCode = code;
  // Reserved at once: growing the table row by row would rehash it again and again.
  std::size_t rows = 0;
  for (int index : SelectedLists(layout)) rows += tables.skillList(index).size();
  rowEntries.reserve(rows);
  entries.reserve(rows);
  std::string labels[kJobSlotCount];
  for (int slot = 0; slot < kJobSlotCount; ++slot) tables.jobName(layout.type, slot, labels[slot]);
  AddSkillLists(layout.baseLists.data(), JobCodeLayout::kMaxLists, labels[kBasicSlot], false);
  AddSkillLists(layout.rank1Lists.data(), JobCodeLayout::kMaxLists, labels[kRank1Slot], false);
  if (layout.rank2Slot >= 0) {
    AddSkillLists(layout.rank2Lists.data(), JobCodeLayout::kMaxLists, labels[layout.rank2Slot],
                  layout.rank2Plus50);
  }
  LinkDependents();
  return true;
}

// The block's label stands on its first row; an empty list hands it on to the
// first row of the next list that has one.
void SkillPlan::AddSkillLists(const int* indices, int count, const std::string& label,
                              bool plus50) {
  bool labelPending = false;
  for (int i = 0; i < count && indices[i] != -1; ++i) {
    const SkillList& list = tables.skillList(indices[i]);
    if (list.empty()) {
      labelPending = true;
      continue;
    }
    bool first = true;
    for (const SkillDefinition& definition : list) {
      const auto row = static_cast<std::int32_t>(rowEntries.size());
      SkillEntry& entry = entries[definition.key];
      rowEntries.push_back(&entry);
      entry = SkillEntry(definition);
      entry.rowId = row;
      // Learn levels may be as large as the data file allows.
      if (plus50) entry.learnLevel = ClampToInt32(entry.learnLevel + kHBlockLevelOffset);
      if ((first && i == 0) || labelPending) {
        entry.jobLabel = label;
        labelPending = false;
      }
      first = false;
    }
  }
}

void SkillPlan::LinkDependents() {
  for (const SkillEntry* entry : rowEntries) {
    for (const SkillPrerequisite& prerequisite : entry->prerequisites) {
      entries[prerequisite.key].dependents.emplace_back(entry->key, prerequisite.level);
    }
  }
}

SkillEntry& SkillPlan::FindEntry(const std::string& key) { return entries[key]; }

const SkillEntry* SkillPlan::HeldEntry(const std::string& key) const {
  const auto found = entries.find(key);
  return found != entries.end() && !found->second.key.empty() ? &found->second : nullptr;
}

const SkillEntry* SkillPlan::RowEntry(int row) const {
  if (row < 0 || row >= static_cast<int>(rowEntries.size())) return nullptr;
  return rowEntries[row];
}

bool SkillPlan::CopyRowEntry(int row, SkillEntry& out) const {
  const SkillEntry* entry = RowEntry(row);
  if (entry == nullptr) return false;
  out = *entry;
  return true;
}

void SkillPlan::ResetLevels() {
  for (SkillEntry* entry : rowEntries) SetLevel(*entry, 0);
}

void SkillPlan::Clear() {
  std::vector<SkillEntry*>().swap(rowEntries);  // releases the storage too
  jobCode = 0;
  InvalidateTotal();
}

std::vector<PlanRecord> SkillPlan::Records() const {
  std::vector<PlanRecord> records;
  records.reserve(rowEntries.size());
  for (const SkillEntry* entry : rowEntries) records.push_back({entry->key, entry->level});
  return records;
}

PlanLevels SkillPlan::Levels() const {
  PlanLevels plan{jobCode, {}};
  for (int row = 0; row < static_cast<int>(rowEntries.size()); ++row) {
    const SkillEntry* entry = rowEntries[row];
    if (entry->rowId == row && entry->level != 0) plan.levels.push_back({row, entry->level});
  }
  plan.levels.shrink_to_fit();
  return plan;
}

// Exactly the levels kept, without the prerequisite and dependent rules: the
// plan was in that state before.
void SkillPlan::Restore(const PlanLevels& plan) {
  BuildPlan(plan.code);
  jobCode = plan.code;  // also 0, the plan of the start
  for (const RowLevel& row : plan.levels) SetRowLevel(row.row, row.level);
}

void SkillPlan::SetRowLevel(std::int32_t row, std::int32_t level) {
  if (row >= 0 && row < static_cast<std::int32_t>(rowEntries.size()))
    SetLevel(*rowEntries[row], level);
}
