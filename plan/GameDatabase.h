#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanComparison.h"
#include "plan/PlanHistory.h"
#include "plan/PlanOverview.h"
#include "plan/PlanTypes.h"
#include "plan/SkillEntry.h"
#include "plan/SkillLinks.h"
#include "plan/SkillPlan.h"

// The one object the window, the skill list and the tools hold: the game's
// tables (GameTables), the current plan (SkillPlan) and its undo history
// (PlanHistory), each in its own files. Its own part is the plan lock: every
// plan operation takes it, so the auto-repeat worker may step while the
// interface thread draws, and a changing operation is one undo step.
class GameDatabase {
 public:
  class StepScope;

  GameDatabase();
  ~GameDatabase() { clear(); }
  GameDatabase(const GameDatabase&) = delete;
  GameDatabase& operator=(const GameDatabase&) = delete;

  // Tables, read-only after the load. Loading or clearing them drops the plan
  // and its history too.
  bool load(const std::string& fallbackFolder = std::string());
  void clear();
  bool typeName(int type, std::string& out) const { return tables.typeName(type, out); }
  bool jobName(int type, int slot, std::string& out) const {
    return tables.jobName(type, slot, out);
  }
  const SkillList& skillList(int index) const { return tables.skillList(index); }
  int skillCount() const { return tables.skillCount(); }
  int droppedLineCount() const { return tables.droppedLineCount(); }

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
  bool LoadPlan(const char* path) {
    bool rebuilt = false;
    return LoadPlan(path, rebuilt);
  }
  // The same, telling whether the plan was rebuilt for the file: false when
  // the load failed while reading, before the plan was touched; true once the
  // file was read, also when a record then named no skill of the plan.
  bool LoadPlan(const char* path, bool& rebuilt);
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

  // The current plan against another, built in a plan of its own from the
  // same tables; the current plan, its history and its modified state stay
  // as they are. From a plan file: false where LoadPlan would fail. From
  // pasted text: false where PastePlan would refuse it.
  bool ComparePlanFile(const char* path, PlanComparison& comparison) const;
  bool ComparePastedPlan(std::string_view text, PlanComparison& comparison) const;
  // With the plan as last saved or loaded (the empty plan before either).
  void CompareSavedPlan(PlanComparison& comparison) const;

  // Undo history. Every change between the outermost BeginStep and its
  // EndStep (or a StepScope's life) is one step; each changing operation
  // called outside such a pair is a step of its own.
  void BeginStep();
  void EndStep();
  bool Undo();
  bool Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  // True when the code or a level differs from what was last saved or loaded
  // (at first: from the empty plan).
  bool IsModified() const;
  std::size_t HistoryBytes() const;

 private:
  using Lock = std::lock_guard<std::recursive_mutex>;

  // Rebuilds the plan for the code and replays the records, as one step;
  // false at a record that names no row, the records after it applied.
  bool ReplayPlan(JobCode code, const std::vector<PlanRecord>& records);
  // Checked as PastePlan checks it, without touching the plan.
  bool ReadPastedPlan(std::string_view text, JobCode& code, std::vector<PlanRecord>& records) const;

  GameTables tables;
  SkillPlan plan{tables};
  PlanHistory history{plan};
  // Recursive: operations call one another (a load builds and steps).
  mutable std::recursive_mutex planLock;
};

// Keeps one undo step open for its life; a scope inside a step already open
// adds to that step.
class GameDatabase::StepScope {
 public:
  explicit StepScope(GameDatabase& database) : database(database) { database.BeginStep(); }
  ~StepScope() { database.EndStep(); }
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;

 private:
  GameDatabase& database;
};
