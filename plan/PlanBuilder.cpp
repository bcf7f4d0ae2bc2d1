#include <mutex>

#include "plan/GameDatabase.h"
#include "plan/ClampedInt.h"
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
  rowKeys.clear();
  entries.clear();
  InvalidateTotal();

  JobCodeLayout layout;
  if (!DecodeJobCode(code, layout)) return false;
  jobCode = code;
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
      const auto row = static_cast<std::int32_t>(rowKeys.size());
      rowKeys.push_back(definition.key);
      SkillEntry& entry = FindEntry(definition.key);
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
  for (const std::string& key : rowKeys) {
    const SkillEntry& entry = FindEntry(key);
    for (const SkillPrerequisite& prerequisite : entry.prerequisites) {
      FindEntry(prerequisite.key).dependents.emplace_back(key, prerequisite.level);
    }
  }
}

JobCode GameDatabase::GetJobCode() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return jobCode;
}

int GameDatabase::RowCount() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return static_cast<int>(rowKeys.size());
}

SkillEntry& GameDatabase::FindEntry(const std::string& key) {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return entries[key];
}

const SkillEntry* GameDatabase::RowEntry(int row) const {
  if (row < 0 || row >= static_cast<int>(rowKeys.size())) return nullptr;
  const auto found = entries.find(rowKeys[row]);
  return found == entries.end() ? nullptr : &found->second;
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
  for (const std::string& key : rowKeys) SetLevel(FindEntry(key), 0);
}
