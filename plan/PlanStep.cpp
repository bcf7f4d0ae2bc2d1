#include "plan/PlanStep.h"

#include <unordered_map>

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
  return sizeof(PlanStep) +
         (before.levels.capacity() + after.levels.capacity()) * sizeof(RowLevel) +
         changes.capacity() * sizeof(LevelChange);
}
