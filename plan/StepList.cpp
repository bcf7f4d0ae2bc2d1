#include "plan/StepList.h"

#include <utility>

void StepList::Push(PlanStep step) {
  while (steps.size() > position) {
    bytes -= steps.back().Bytes();
    steps.pop_back();
  }
  bytes += step.Bytes();
  steps.push_back(std::move(step));
  position = steps.size();
  while (bytes > kByteLimit && !steps.empty()) {
    bytes -= steps.front().Bytes();
    steps.pop_front();
    --position;
  }
}

const PlanStep* StepList::Undo() {
  if (!CanUndo()) return nullptr;
  return &steps[--position];
}

const PlanStep* StepList::Redo() {
  if (!CanRedo()) return nullptr;
  return &steps[position++];
}
