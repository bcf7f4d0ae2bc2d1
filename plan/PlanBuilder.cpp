#include <mutex>

#include "plan/ClampedInt.h"
#include "plan/GameDatabase.h"
#include "plan/JobCodeLayout.h"
#include "plan/StepScope.h"

namespace {
constexpr std::int64_t kHBlockLevelOffset = 50;
}  // namespace

bool GameDatabase::BuildPlan(JobCode code) {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  const StepScope step(*this);
  StartRebuildStep();
  return BuildRows(code);
}

bool GameDatabase::BuildRows(JobCode code) {
  rowEntries.clear();
  entries.clear();
  InvalidateTotal();

  JobCodeLayout layout;
  if (!DecodeJobCode(code, layout)) return false;
  jobCode = code;
  // Reserved at once: growing the table row by row would rehash it again and again.
  std::size_t rows = 0;
  for (int index : SelectedLists(layout)) rows += skillList(index).size();
  rowEntries.reserve(rows);
  entries.reserve(rows);
  const auto& labels = jobNames[layout.type];
  AddSkillLists(layout.baseLists.data(), JobCodeLayout::kMaxLists, labels[0], false);
  AddSkillLists(layout.rank1Lists.data(), JobCodeLayout::kMaxLists, labels[1], false);
  if (layout.rank2Slot >= 0) {
    AddSkillLists(layout.rank2Lists.data(), JobCodeLayout::kMaxLists, labels[layout.rank2Slot],
                  layout.rank2Plus50);
  }
  LinkDependents();
  return true;
}

// The block's label stands on its first row; an empty list hands it on to the
// first row of the next list that has one.
void GameDatabase::AddSkillLists(const int* indices, int count, const std::string& label,
                                 bool plus50) {
  bool labelPending = false;
  for (int i = 0; i < count && indices[i] != -1; ++i) {
    const SkillList& list = skillList(indices[i]);
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

void GameDatabase::LinkDependents() {
  for (const SkillEntry* entry : rowEntries) {
    for (const SkillPrerequisite& prerequisite : entry->prerequisites) {
      entries[prerequisite.key].dependents.emplace_back(entry->key, prerequisite.level);
    }
  }
}

JobCode GameDatabase::GetJobCode() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return jobCode;
}

int GameDatabase::RowCount() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return static_cast<int>(rowEntries.size());
}

SkillEntry& GameDatabase::FindEntry(const std::string& key) {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return entries[key];
}

const SkillEntry* GameDatabase::RowEntry(int row) const {
  if (row < 0 || row >= static_cast<int>(rowEntries.size())) return nullptr;
  return rowEntries[row];
}

bool GameDatabase::CopyRowEntry(int row, SkillEntry& out) const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  const SkillEntry* entry = RowEntry(row);
  if (entry == nullptr) return false;
  out = *entry;
  return true;
}

void GameDatabase::ResetLevels() {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  const StepScope step(*this);
  for (SkillEntry* entry : rowEntries) SetLevel(*entry, 0);
}
