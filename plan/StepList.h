#pragma once

#include <cstddef>
#include <deque>

#include "plan/PlanStep.h"

// The undo and redo steps of the plan, bounded in memory: the oldest steps go
// first once the steps together take more than kByteLimit.
class StepList {
 public:
  static constexpr std::size_t kByteLimit = 4000000;

  // Drops the steps that could be redone, then adds the step.
  void Push(PlanStep step);
  // The step to revert, moving back over it; nullptr when none is left.
  const PlanStep* Undo();
  // The step to make again, moving forward over it; nullptr when none is left.
  const PlanStep* Redo();
  bool CanUndo() const { return position > 0; }
  bool CanRedo() const { return position < steps.size(); }
  std::size_t Bytes() const { return bytes; }

 private:
  std::deque<PlanStep> steps;
  std::size_t position = 0;  // steps before it can be undone, from it on redone
  std::size_t bytes = 0;
};
