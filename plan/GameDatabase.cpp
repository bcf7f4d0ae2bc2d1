// The plan lock around the tables, the plan and the history: each operation
// locks, opens an undo step when it changes the plan, and asks its parts.
#include "plan/GameDatabase.h"

#include "plan/JobCodeLayout.h"
#include "plan/MoveFileOver.h"
#include "plan/PlanFile.h"
#include "plan/PlanPaste.h"

namespace {

// A plan file as LoadPlan reads it: false for one it would refuse unrebuilt.
bool ReadLoadablePlan(const char* path, JobCode& code, std::vector<PlanRecord>& records) {
  // A rebuild for a code without a character type would only empty the plan.
  return path != nullptr && ReadPlanFile(path, code, records) && JobCodeType(code) >= 0;
}

}  // namespace

GameDatabase::GameDatabase() { plan.SetLevelObserver(&history); }

bool GameDatabase::load(const std::string& fallbackFolder) {
  clear();
  return tables.load(fallbackFolder);
}

void GameDatabase::clear() {
  const Lock lock(planLock);
  tables.clear();
  plan.Clear();
  history.Clear();  // its rows belong to the tables just dropped
}

bool GameDatabase::BuildPlan(JobCode code) {
  const Lock lock(planLock);
  const StepScope step(*this);
  history.StartRebuild();
  return plan.BuildPlan(code);
}

JobCode GameDatabase::GetJobCode() const {
  const Lock lock(planLock);
  return plan.GetJobCode();
}

int GameDatabase::RowCount() const {
  const Lock lock(planLock);
  return plan.RowCount();
}

SkillEntry& GameDatabase::FindEntry(const std::string& key) {
  const Lock lock(planLock);
  return plan.FindEntry(key);
}

bool GameDatabase::CopyRowEntry(int row, SkillEntry& out) const {
  const Lock lock(planLock);
  return plan.CopyRowEntry(row, out);
}

void GameDatabase::ResetLevels() {
  const Lock lock(planLock);
  const StepScope step(*this);
  plan.ResetLevels();
}

int GameDatabase::StepLevel(const std::string& key, LevelOp op, ChangeList& changes) {
  const Lock lock(planLock);
  const StepScope step(*this);
  return plan.StepLevel(key, op, changes);
}

int GameDatabase::StepRowLevel(int row, LevelOp op, ChangeList& changes) {
  const Lock lock(planLock);
  const StepScope step(*this);
  return plan.StepRowLevel(row, op, changes);
}

int GameDatabase::RowPoints(int row) const {
  const Lock lock(planLock);
  return plan.RowPoints(row);
}

int GameDatabase::TotalPoints() const {
  const Lock lock(planLock);
  return plan.TotalPoints();
}

PlanOverview GameDatabase::Overview() const {
  const Lock lock(planLock);
  return OverviewOf(plan);
}

bool GameDatabase::CopyRowLinks(int row, SkillLinks& links) const {
  const Lock lock(planLock);
  return RowLinksOf(plan, row, links);
}

// The file is written outside the lock; what was written becomes the saved
// plan only once it is in place.
bool GameDatabase::SavePlan(const char* path) {
  if (path == nullptr) return false;
  std::string text;
  PlanLevels written;
  {
    const Lock lock(planLock);
    if (plan.RowCount() == 0) return false;
    text = PlanText(plan.GetJobCode(), plan.Records());
    written = plan.Levels();
  }
  if (!ReplaceFileBytes(path, text)) return false;
  const Lock lock(planLock);
  history.MarkSaved(std::move(written));
  return true;
}

bool GameDatabase::LoadPlan(const char* path, bool& rebuilt) {
  rebuilt = false;
  JobCode code = 0;
  std::vector<PlanRecord> records;
  if (!ReadLoadablePlan(path, code, records)) return false;
  const Lock lock(planLock);
  rebuilt = true;
  if (!ReplayPlan(code, records)) return false;
  history.MarkSaved(plan.Levels());
  return true;
}

std::string GameDatabase::PlanFileText() const {
  const Lock lock(planLock);
  return PlanText(plan.GetJobCode(), plan.Records());
}

bool GameDatabase::PastePlan(std::string_view text) {
  JobCode code = 0;
  std::vector<PlanRecord> records;
  const Lock lock(planLock);
  return ReadPastedPlan(text, code, records) && ReplayPlan(code, records);
}

bool GameDatabase::ReadPastedPlan(std::string_view text, JobCode& code,
                                  std::vector<PlanRecord>& records) const {
  return text.size() <= kPasteLimit && ParsePastedPlan(text, code, records) &&
         PlanHoldsEveryKey(tables, code, records);
}

bool GameDatabase::ComparePlanFile(const char* path, PlanComparison& comparison) const {
  JobCode code = 0;
  std::vector<PlanRecord> records;
  if (!ReadLoadablePlan(path, code, records)) return false;
  const Lock lock(planLock);
  return CompareWithRecords(plan, code, records, comparison);
}

bool GameDatabase::ComparePastedPlan(std::string_view text, PlanComparison& comparison) const {
  JobCode code = 0;
  std::vector<PlanRecord> records;
  const Lock lock(planLock);
  return ReadPastedPlan(text, code, records) && CompareWithRecords(plan, code, records, comparison);
}

void GameDatabase::CompareSavedPlan(PlanComparison& comparison) const {
  const Lock lock(planLock);
  CompareWithLevels(plan, history.SavedPlan(), comparison);
}

// One step, also when a record fails after the rebuild.
bool GameDatabase::ReplayPlan(JobCode code, const std::vector<PlanRecord>& records) {
  const StepScope step(*this);
  BuildPlan(code);
  return plan.ReplayRecords(records);
}

void GameDatabase::BeginStep() {
  const Lock lock(planLock);
  history.BeginStep();
}

void GameDatabase::EndStep() {
  const Lock lock(planLock);
  history.EndStep();
}

bool GameDatabase::Undo() {
  const Lock lock(planLock);
  return history.Undo();
}

bool GameDatabase::Redo() {
  const Lock lock(planLock);
  return history.Redo();
}

bool GameDatabase::CanUndo() const {
  const Lock lock(planLock);
  return history.CanUndo();
}

bool GameDatabase::CanRedo() const {
  const Lock lock(planLock);
  return history.CanRedo();
}

bool GameDatabase::IsModified() const {
  const Lock lock(planLock);
  return history.IsModified();
}

std::size_t GameDatabase::HistoryBytes() const {
  const Lock lock(planLock);
  return history.Bytes();
}
