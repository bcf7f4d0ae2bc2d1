#include "plan/PlanHistory.h"

#include <utility>

void PlanHistory::EndStep() {
  if (openDepth == 0 || --openDepth > 0) return;
  PlanStep step = std::move(openStep);
  openStep = PlanStep();
  if (step.rebuild) {
    step.after = plan.Levels();
    if (step.after == step.before) return;
  } else if (!step.Compact()) {
    return;
  }
  steps.Push(std::move(step));
}

void PlanHistory::StartRebuild() {
  if (openStep.rebuild) return;
  openStep.rebuild = true;  // from here on no level change is kept one by one
  // Levels this step changed before the rebuild go back first, so that the
  // step keeps the plan as the step found it.
  const std::vector<LevelChange> changes = std::move(openStep.changes);
  openStep.changes.clear();
  for (auto change = changes.rbegin(); change != changes.rend(); ++change)
    plan.SetRowLevel(change->row, change->before);
  openStep.before = plan.Levels();
}

// A rebuild step keeps the whole plans instead; changes outside a step (an
// undo or redo itself) are no step.
void PlanHistory::LevelChanged(const LevelChange& change) {
  if (openDepth > 0 && !openStep.rebuild) openStep.changes.push_back(change);
}

bool PlanHistory::Revisit(bool forward) {
  if (openDepth > 0) return false;
  const PlanStep* step = forward ? steps.Redo() : steps.Undo();
  if (step == nullptr) return false;
  if (step->rebuild) {
    plan.Restore(forward ? step->after : step->before);
  } else if (forward) {
    for (const LevelChange& change : step->changes) plan.SetRowLevel(change.row, change.after);
  } else {
    for (auto change = step->changes.rbegin(); change != step->changes.rend(); ++change)
      plan.SetRowLevel(change->row, change->before);
  }
  return true;
}

void PlanHistory::Clear() {
  steps = StepList();
  openStep = PlanStep();
  savedPlan = PlanLevels();
}
