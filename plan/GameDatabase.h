#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanTypes.h"
#include "plan/SkillEntry.h"

// The data file's tables and the current skill plan. The tables' types and
// their reader live in data/, below the plan. Every plan operation takes the
// plan lock, so the auto-repeat worker may step while the interface thread draws.
class GameDatabase {
 public:
  GameDatabase();
  ~GameDatabase();
  GameDatabase(const GameDatabase&) = delete;
  GameDatabase& operator=(const GameDatabase&) = delete;

  // Tables.
  bool load();  // reads "vexa.dat" from the working directory
  void clear();
  bool typeName(int type, std::string& out) const;
  bool jobName(int type, int slot, std::string& out) const;
  const SkillList& skillList(int index) const;  // index 0 to 48

  // Plan.
  bool BuildPlan(JobCode code);
  JobCode GetJobCode() const;
  int RowCount() const;
  SkillEntry& FindEntry(const std::string& key);  // inserts a default entry when missing
  bool CopyRowEntry(int row, SkillEntry& out) const;
  void ResetLevels();

  // Level rules.
  int StepLevel(const std::string& key, LevelOp op, ChangeList& changes);
  int StepRowLevel(int row, LevelOp op, ChangeList& changes);
  int RowPoints(int row) const;
  int TotalPoints() const;

  // Plan files.
  bool SavePlan(const char* path) const;
  bool LoadPlan(const char* path);

 private:
  void AddSkillLists(const int* indices, int count, const std::string& label, bool plus50);
  void LinkDependents();
  void SetLevel(SkillEntry& entry, std::int32_t level);  // the one place levels change
  void RaisePrerequisites(SkillEntry& entry, ChangeList& changes);
  void ClearDependents(SkillEntry& entry, ChangeList& changes);
  void InvalidateTotal();
  const SkillEntry* RowEntry(int row) const;  // nullptr for a row out of range
  void ReplayLevel(SkillEntry& entry, std::int32_t savedLevel);  // one plan file record

  JobCode jobCode = 0;
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  std::vector<std::string> rowKeys;
  std::map<std::string, SkillEntry> entries;

  // Recursive: plan operations call one another (LoadPlan builds and steps).
  mutable std::recursive_mutex planLock;
  // TotalPoints is asked after every redrawn row; it is computed once per change.
  mutable bool totalValid = false;
  mutable int cachedTotal = 0;
};
