#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanFile.h"
#include "plan/PlanHistory.h"
#include "plan/PlanOverview.h"
#include "plan/PlanTypes.h"
#include "plan/SkillEntry.h"
#include "plan/SkillLinks.h"

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
  // Reads "vexa.dat" from the working directory; when it holds none, the one
  // in fallbackFolder (a folder path ending in its separator), if given.
  bool load(const std::string& fallbackFolder = std::string());
  void clear();
  bool typeName(int type, std::string& out) const;
  bool jobName(int type, int slot, std::string& out) const;
  const SkillList& skillList(int index) const;           // index 0 to 48
  int skillCount() const;                                // skills of all lists
  int droppedLineCount() const { return droppedLines; }  // lines the last load read past

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

  // The plan added up: required level, counts, master items.
  PlanOverview Overview() const;
  // The row's prerequisites and dependents; false for a row out of range.
  bool CopyRowLinks(int row, SkillLinks& links) const;

  // Plan files. A successful save or load is what the plan is compared with
  // to tell whether it was modified.
  bool SavePlan(const char* path);
  bool LoadPlan(const char* path);
  // The bytes that SavePlan would write now.
  std::string PlanFileText() const;

  // Plan text from outside (a paste): loaded as a plan file is, after blank
  // lines and blanks before the job line and blank text after the last line
  // are dropped, but all or nothing. False, with the plan and its history
  // untouched, for a text over kPasteLimit bytes, one that is no plan text,
  // one whose job line names no type, and one with a record that names no
  // skill of that plan. A paste is one undo step and is not a save.
  static constexpr std::size_t kPasteLimit = std::size_t{1} << 20;
  bool PastePlan(std::string_view text);

  // Undo history. Every change between the outermost BeginStep and its
  // EndStep is one step; each changing operation called outside such a pair
  // is a step of its own. A step that changed nothing is not kept.
  void BeginStep();
  void EndStep();
  // Bring back the plan as it was before or after a step: code and levels.
  // False when there is none, or while a step is open.
  bool Undo();
  bool Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  // True when the code or a level differs from what was last saved or loaded
  // (at first: from the empty plan).
  bool IsModified() const;
  std::size_t HistoryBytes() const;

 private:
  class StepScope;

  bool BuildRows(JobCode code);
  // Turns the open step into a rebuild step, keeping the plan as it stood
  // before the step.
  void StartRebuildStep();
  // The rows above level 0, each entry at its own row.
  std::vector<RowLevel> NonZeroLevels() const;
  void RestorePlan(JobCode code, const std::vector<RowLevel>& levels);
  // Undo (backwards) or redo (forward) of one step.
  bool Revisit(bool forward);
  void SetRowLevel(std::int32_t row, std::int32_t level);
  void ForgetHistory();
  void AddSkillLists(const int* indices, int count, const std::string& label, bool plus50);
  void LinkDependents();
  void SetLevel(SkillEntry& entry, std::int32_t level);  // the one place levels change
  void RaisePrerequisites(SkillEntry& entry, ChangeList& changes);
  void ClearDependents(SkillEntry& entry, ChangeList& changes);
  void InvalidateTotal();
  const SkillEntry* RowEntry(int row) const;  // nullptr for a row out of range
  // Rebuilds the plan for the code and replays the records, as one step;
  // false at a record that names no row, the records after it applied.
  bool ReplayPlan(JobCode code, const std::vector<PlanRecord>& records);
  // The display name of a skill the plan holds, else the key itself.
  const std::string& DisplayNameOf(const std::string& key) const;
  void ReplayLevel(SkillEntry& entry, std::int32_t savedLevel);  // one plan file record
  // Each row's key and level, in row order.
  std::vector<PlanRecord> RowRecords() const;
  // Whether the plan that the code builds holds a row for every record.
  bool PlanHoldsEveryKey(JobCode code, const std::vector<PlanRecord>& records) const;

  JobCode jobCode = 0;
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  int droppedLines = 0;
  // The entry of each row; a skill in two lists of the plan has one entry on both rows.
  std::vector<SkillEntry*> rowEntries;
  std::unordered_map<std::string, SkillEntry> entries;

  // Recursive: plan operations call one another (LoadPlan builds and steps).
  mutable std::recursive_mutex planLock;
  // TotalPoints is asked after every redrawn row; it is computed once per change.
  mutable bool totalValid = false;
  mutable int cachedTotal = 0;

  PlanHistory history;
  PlanStep openStep;
  int openStepDepth = 0;
  JobCode savedCode = 0;
  std::vector<RowLevel> savedLevels;
};
