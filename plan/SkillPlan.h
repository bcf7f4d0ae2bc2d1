#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanFile.h"
#include "plan/PlanStep.h"
#include "plan/PlanTypes.h"
#include "plan/SkillEntry.h"

// Told of each change of a row's level as it is made (the undo history).
class LevelObserver {
 public:
  virtual void LevelChanged(const LevelChange& change) = 0;

 protected:
  ~LevelObserver() = default;
};

// The current skill plan: the code it was built for, one row per offered
// skill with its level, and the level and point rules. Built from the game's
// tables, which it reads and never changes. It takes no lock: its one owner,
// GameDatabase, serialises every call.
class SkillPlan {
 public:
  explicit SkillPlan(const GameTables& tables) : tables(tables) {}
  SkillPlan(const SkillPlan&) = delete;
  SkillPlan& operator=(const SkillPlan&) = delete;
  const GameTables& Tables() const { return tables; }

  // Rows (SkillPlan.cpp).
  bool BuildPlan(JobCode code);
  JobCode GetJobCode() const { return jobCode; }
  int RowCount() const { return static_cast<int>(rowEntries.size()); }
  SkillEntry& FindEntry(const std::string& key);  // inserts a default entry when missing
  // The entry of a skill the plan holds, else nullptr; never inserts.
  const SkillEntry* HeldEntry(const std::string& key) const;
  const SkillEntry* RowEntry(int row) const;  // nullptr for a row out of range
  bool CopyRowEntry(int row, SkillEntry& out) const;
  void ResetLevels();
  // Drops the rows and the code; the entries stay until the next build.
  void Clear();
  // Each row's key and level, in row order: what a plan file keeps.
  std::vector<PlanRecord> Records() const;
  // The plan by value, and the plan brought back to such a value exactly,
  // without the prerequisite rules.
  PlanLevels Levels() const;
  void Restore(const PlanLevels& plan);
  void SetRowLevel(std::int32_t row, std::int32_t level);
  void SetLevelObserver(LevelObserver* observer) { levelObserver = observer; }

  // Level rules (LevelRules.cpp).
  int StepLevel(const std::string& key, LevelOp op, ChangeList& changes);
  int StepRowLevel(int row, LevelOp op, ChangeList& changes);
  int RowPoints(int row) const;
  int TotalPoints() const {
    if (!totalValid) CountTotal();
    return cachedTotal;
  }

  // Saved levels brought back as the steps would (PlanReplay.cpp); false at
  // a record that names no row, the records after it applied.
  bool ReplayRecords(const std::vector<PlanRecord>& records);

 private:
  void AddSkillLists(const int* indices, int count, const std::string& label, bool plus50);
  void LinkDependents();
  void SetLevel(SkillEntry& entry, std::int32_t level);  // the one place levels change
  void RaisePrerequisites(SkillEntry& entry, ChangeList& changes);
  void ClearDependents(SkillEntry& entry, ChangeList& changes);
  void InvalidateTotal() { totalValid = false; }
  void CountTotal() const;  // the rows' points added up into the cache
  void ReplayLevel(SkillEntry& entry, std::int32_t savedLevel);  // one plan file record

  const GameTables& tables;
  LevelObserver* levelObserver = nullptr;
  JobCode jobCode = 0;
  // The entry of each row; a skill in two lists of the plan has one entry on both rows.
  std::vector<SkillEntry*> rowEntries;
  std::unordered_map<std::string, SkillEntry> entries;
  // TotalPoints is asked after every redrawn row; it is computed once per change.
  mutable bool totalValid = false;
  mutable int cachedTotal = 0;
};
