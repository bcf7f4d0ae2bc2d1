#pragma once

#include <cstddef>
#include <utility>

#include "plan/PlanStep.h"
#include "plan/SkillPlan.h"
#include "plan/StepList.h"

// The plan's undo history: the step open around the changes of one user
// action, the steps that can be undone and redone, and the plan as it was
// last saved or loaded. It hears every level change of the plan and brings
// the plan back itself. Like the plan, it takes no lock.
class PlanHistory : public LevelObserver {
 public:
  explicit PlanHistory(SkillPlan& plan) : plan(plan) {}
  PlanHistory(const PlanHistory&) = delete;
  PlanHistory& operator=(const PlanHistory&) = delete;

  // Every change between the outermost BeginStep and its EndStep is one
  // step. A step that changed nothing is not kept.
  void BeginStep() { ++openDepth; }
  void EndStep();
  // Turns the open step into a rebuild step, which keeps the plan as it stood
  // before the step; call it before the plan is rebuilt.
  void StartRebuild();
  void LevelChanged(const LevelChange& change) override;

  // Bring back the plan as it was before or after a step: code and levels.
  // False when there is none, or while a step is open.
  bool Undo() { return Revisit(false); }
  bool Redo() { return Revisit(true); }
  bool CanUndo() const { return steps.CanUndo(); }
  bool CanRedo() const { return steps.CanRedo(); }
  std::size_t Bytes() const { return steps.Bytes(); }

  // The plan as saved or loaded, and whether the plan now differs from it.
  void MarkSaved(PlanLevels saved) { savedPlan = std::move(saved); }
  const PlanLevels& SavedPlan() const { return savedPlan; }
  bool IsModified() const { return plan.Levels() != savedPlan; }

  // Forgets every step and the saved plan: the empty plan of the start.
  void Clear();

 private:
  // Undo (backwards) or redo (forward) of one step.
  bool Revisit(bool forward);

  SkillPlan& plan;
  StepList steps;
  PlanStep openStep;
  int openDepth = 0;
  PlanLevels savedPlan;
};
