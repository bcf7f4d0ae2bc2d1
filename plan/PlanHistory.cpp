#include "plan/PlanHistory.h"

#include <unordered_map>
#include <utility>

bool PlanStep::Compact() {
  std::unordered_map<std::int32_t, std::size_t> merged;
  std::vector<LevelChange> kept;
  for (const LevelChange& change : changes) {
    const auto found = merged.emplace(change.row, kept.size());
    if (found.second)
      kept.push_back(change);
    else
      kept[found.first->second].after = change.after;
  }
  changes.clear();
  for (const LevelChange& change : kept)
    if (change.before != change.after) changes.push_back(change);
  changes.shrink_to_fit();
  return !changes.empty();
}

std::size_t PlanStep::Bytes() const {
  return sizeof(PlanStep) + (levelsBefore.capacity() + levelsAfter.capacity()) * sizeof(RowLevel) +
         changes.capacity() * sizeof(LevelChange);
}

void PlanHistory::Push(PlanStep step) {
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

const PlanStep* PlanHistory::Undo() {
  if (!CanUndo()) return nullptr;
  return &steps[--position];
}

const PlanStep* PlanHistory::Redo() {
  if (!CanRedo()) return nullptr;
  return &steps[position++];
}
