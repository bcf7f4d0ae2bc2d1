// A plan file's levels brought back onto a freshly built plan, as the level
// steps would set them.
#include "plan/SkillPlan.h"

// From the last record up: a record raised as another's prerequisite is then
// set to its own saved level.
bool SkillPlan::ReplayRecords(const std::vector<PlanRecord>& records) {
  for (auto record = records.rbegin(); record != records.rend(); ++record) {
    SkillEntry& entry = FindEntry(record->key);
    if (entry.key.empty()) return false;
    ReplayLevel(entry, record->level);
  }
  return true;
}

// Brings one entry to its saved level as the level steps would, without
// making billions of them for a huge saved level: a run of raises ends at the
// first one that changes nothing, and a run of lowerings is one lowering
// followed by one clearing, which leaves the same levels.
void SkillPlan::ReplayLevel(SkillEntry& entry, std::int32_t savedLevel) {
  if (savedLevel == entry.level) return;
  ChangeList changes;
  if (savedLevel == SkillEntry::kMasterLevel) {
    StepLevel(entry.key, Max, changes);
    return;
  }
  const std::int64_t difference = std::int64_t{savedLevel} - entry.level;
  if (difference > 0) {
    for (std::int64_t step = 0; step < difference; ++step) {
      const std::int32_t before = entry.level;
      if (StepLevel(entry.key, Up, changes) == before) return;
    }
  } else if (entry.level > 0) {
    SetLevel(entry, savedLevel > 0 ? savedLevel : 0);
    ClearDependents(entry, changes);
  }
}
