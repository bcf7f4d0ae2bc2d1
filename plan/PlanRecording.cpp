// The plan's undo history: steps opened and closed around every change,
// stepped back and forth, and the plan compared with what was last saved.
#include <mutex>
#include <utility>

#include "plan/GameDatabase.h"

void GameDatabase::BeginStep() {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  ++openStepDepth;
}

void GameDatabase::EndStep() {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  if (openStepDepth == 0 || --openStepDepth > 0) return;
  PlanStep step = std::move(openStep);
  openStep = PlanStep();
  if (step.rebuild) {
    step.codeAfter = jobCode;
    step.levelsAfter = NonZeroLevels();
    if (step.codeAfter == step.codeBefore && step.levelsAfter == step.levelsBefore) return;
  } else if (!step.Compact()) {
    return;
  }
  history.Push(std::move(step));
}

void GameDatabase::StartRebuildStep() {
  if (openStep.rebuild) return;
  openStep.rebuild = true;  // from here on no level change is kept one by one
  // Levels this step changed before the rebuild go back first, so that the
  // step keeps the plan as the step found it.
  const std::vector<LevelChange> changes = std::move(openStep.changes);
  openStep.changes.clear();
  for (auto change = changes.rbegin(); change != changes.rend(); ++change)
    SetRowLevel(change->row, change->before);
  openStep.codeBefore = jobCode;
  openStep.levelsBefore = NonZeroLevels();
}

bool GameDatabase::Undo() { return Revisit(false); }

bool GameDatabase::Redo() { return Revisit(true); }

bool GameDatabase::Revisit(bool forward) {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  if (openStepDepth > 0) return false;
  const PlanStep* step = forward ? history.Redo() : history.Undo();
  if (step == nullptr) return false;
  if (step->rebuild) {
    RestorePlan(forward ? step->codeAfter : step->codeBefore,
                forward ? step->levelsAfter : step->levelsBefore);
  } else if (forward) {
    for (const LevelChange& change : step->changes) SetRowLevel(change.row, change.after);
  } else {
    for (auto change = step->changes.rbegin(); change != step->changes.rend(); ++change)
      SetRowLevel(change->row, change->before);
  }
  return true;
}

bool GameDatabase::CanUndo() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return history.CanUndo();
}

bool GameDatabase::CanRedo() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return history.CanRedo();
}

bool GameDatabase::IsModified() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return jobCode != savedCode || NonZeroLevels() != savedLevels;
}

std::size_t GameDatabase::HistoryBytes() const {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return history.Bytes();
}

std::vector<RowLevel> GameDatabase::NonZeroLevels() const {
  std::vector<RowLevel> levels;
  for (int row = 0; row < static_cast<int>(rowEntries.size()); ++row) {
    const SkillEntry* entry = RowEntry(row);
    if (entry && entry->rowId == row && entry->level != 0) levels.push_back({row, entry->level});
  }
  levels.shrink_to_fit();
  return levels;
}

// Exactly the levels kept, without the prerequisite and dependent rules: the
// plan was in that state before.
void GameDatabase::RestorePlan(JobCode code, const std::vector<RowLevel>& levels) {
  BuildRows(code);
  jobCode = code;  // also 0, the plan of the start
  for (const RowLevel& row : levels) SetRowLevel(row.row, row.level);
}

void GameDatabase::SetRowLevel(std::int32_t row, std::int32_t level) {
  if (row >= 0 && row < static_cast<std::int32_t>(rowEntries.size()))
    SetLevel(*rowEntries[row], level);
}

void GameDatabase::ForgetHistory() {
  history = PlanHistory();
  openStep = PlanStep();
  savedCode = 0;
  savedLevels.clear();
}
