#include <cstdio>
#include <mutex>
#include <utility>

#include "data/FileBytes.h"
#include "plan/GameDatabase.h"
#include "plan/JobCodeLayout.h"
#include "plan/MoveFileOver.h"
#include "plan/PlanFile.h"
#include "plan/StepScope.h"

namespace {
constexpr char kTemporarySuffix[] = ".tmp";
}  // namespace

// Writes beside the target first and replaces it only when every byte is
// written, so a failed save never destroys the plan file already there.
bool GameDatabase::SavePlan(const char* path) {
  if (path == nullptr) return false;
  std::vector<PlanRecord> records;
  JobCode code = 0;
  std::vector<RowLevel> levels;
  {
    std::lock_guard<std::recursive_mutex> lock(planLock);
    code = jobCode;
    levels = NonZeroLevels();
    records = RowRecords();
  }
  if (records.empty()) return false;

  const std::string temporary = std::string(path) + kTemporarySuffix;
  if (!WriteFileBytes(temporary, PlanText(code, records))) return false;
  if (MoveFileOver(temporary, path)) {
    std::lock_guard<std::recursive_mutex> lock(planLock);
    savedCode = code;
    savedLevels = std::move(levels);
    return true;
  }
  std::remove(temporary.c_str());
  return false;
}

bool GameDatabase::LoadPlan(const char* path) {
  if (path == nullptr) return false;
  JobCode code = 0;
  std::vector<PlanRecord> records;
  if (!ReadPlanFile(path, code, records)) return false;
  // A rebuild for a code without a character type would only empty the plan.
  if (JobCodeType(code) < 0) return false;

  std::lock_guard<std::recursive_mutex> lock(planLock);
  if (!ReplayPlan(code, records)) return false;
  savedCode = jobCode;
  savedLevels = NonZeroLevels();
  return true;
}

std::string GameDatabase::PlanFileText() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return PlanText(jobCode, RowRecords());
}

std::vector<PlanRecord> GameDatabase::RowRecords() const {
  std::vector<PlanRecord> records;
  records.reserve(rowEntries.size());
  for (const SkillEntry* entry : rowEntries) records.push_back({entry->key, entry->level});
  return records;
}

bool GameDatabase::ReplayPlan(JobCode code, const std::vector<PlanRecord>& records) {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  // One step, also when a record fails after the rebuild.
  const StepScope step(*this);
  BuildPlan(code);
  // From the last record up: a record raised as another's prerequisite is
  // then set to its own saved level.
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
void GameDatabase::ReplayLevel(SkillEntry& entry, std::int32_t savedLevel) {
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
