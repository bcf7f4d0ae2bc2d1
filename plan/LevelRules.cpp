// The level rules: steps with their prerequisite raising and dependent
// clearing, and the points that levels cost.
#include <unordered_set>

#include "plan/ClampedInt.h"
#include "plan/SkillPlan.h"

namespace {

std::int32_t SteppedLevel(const SkillEntry& entry, LevelOp op) {
  const std::int32_t level = entry.level;
  switch (op) {
    case Zero:
      return 0;
    case Down:
      return level > 0 ? level - 1 : level;
    case Up:
      return level < entry.MaxLevel() ? level + 1 : level;
    case Max:
      return entry.MaxLevel();
  }
  return level;
}

// One skill being visited by a depth-first walk, and the next link to follow.
// The walks keep their own stack: data may chain skills far deeper than the
// thread's stack could recurse.
struct WalkFrame {
  SkillEntry* entry;
  std::size_t next;
};

}  // namespace

void SkillPlan::SetLevel(SkillEntry& entry, std::int32_t level) {
  // An entry that stands on no row (a prerequisite the plan lacks) is not
  // shown, so no history keeps it.
  if (levelObserver && entry.rowId >= 0 && entry.level != level)
    levelObserver->LevelChanged({entry.rowId, entry.level, level});
  entry.level = level;
  InvalidateTotal();
}

int SkillPlan::StepLevel(const std::string& key, LevelOp op, ChangeList& changes) {
  SkillEntry& entry = FindEntry(key);
  if (entry.key.empty()) return -1;
  const std::int32_t before = entry.level;
  changes.clear();
  SetLevel(entry, SteppedLevel(entry, op));
  changes.push_back(entry.rowId);
  if (before == 0 && entry.level > 0) RaisePrerequisites(entry, changes);
  if (entry.level < before) ClearDependents(entry, changes);
  return entry.level;
}

int SkillPlan::StepRowLevel(int row, LevelOp op, ChangeList& changes) {
  if (row < 0 || row >= static_cast<int>(rowEntries.size())) return -1;
  const std::string key = rowEntries[row]->key;
  if (key.empty()) return -1;
  return StepLevel(key, op, changes);
}

// Each raise strictly increases a level, so the walk ends even on a cycle and
// needs no visited set: a skill required at 2 and later at 3 ends at 3.
void SkillPlan::RaisePrerequisites(SkillEntry& entry, ChangeList& changes) {
  std::vector<WalkFrame> stack{{&entry, 0}};
  while (!stack.empty()) {
    WalkFrame& frame = stack.back();
    if (frame.next == frame.entry->prerequisites.size()) {
      stack.pop_back();
      continue;
    }
    const SkillPrerequisite& prerequisite = frame.entry->prerequisites[frame.next++];
    SkillEntry& required = FindEntry(prerequisite.key);
    if (required.level < prerequisite.level) {
      SetLevel(required, prerequisite.level);
      changes.push_back(required.rowId);
      stack.push_back({&required, 0});
    }
  }
}

// Clearing only lowers levels, so a skill cleared once in a step has nothing
// left to clear under it; visiting it again would only loop on a cycle.
void SkillPlan::ClearDependents(SkillEntry& entry, ChangeList& changes) {
  std::unordered_set<const SkillEntry*> cleared;
  std::vector<WalkFrame> stack{{&entry, 0}};
  while (!stack.empty()) {
    WalkFrame& frame = stack.back();
    if (frame.next == frame.entry->dependents.size()) {
      stack.pop_back();
      continue;
    }
    const SkillEntry& required = *frame.entry;
    const SkillPrerequisite& dependent = required.dependents[frame.next++];
    if (required.level >= dependent.level) continue;
    SkillEntry& dependentEntry = FindEntry(dependent.key);
    if (!cleared.insert(&dependentEntry).second) continue;
    SetLevel(dependentEntry, 0);
    changes.push_back(dependentEntry.rowId);
    stack.push_back({&dependentEntry, 0});
  }
}

int SkillPlan::RowPoints(int row) const {
  const SkillEntry* entry = RowEntry(row);
  return entry == nullptr ? -1 : entry->Points();
}

void SkillPlan::CountTotal() const {
  std::int64_t total = 0;
  for (const SkillEntry* entry : rowEntries) total += entry->Points();
  cachedTotal = ClampToInt32(total);
  totalValid = true;
}
