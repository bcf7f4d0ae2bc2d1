#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// One row's level before and after a step.
struct LevelChange {
  std::int32_t row;
  std::int32_t before;
  std::int32_t after;
};

// One row's level at one moment.
struct RowLevel {
  std::int32_t row;
  std::int32_t level;
  bool operator==(const RowLevel& other) const { return row == other.row && level == other.level; }
};

// One undoable user action: what it changed, never a copy of the plan. A step
// that rebuilt the plan keeps both codes and the rows each plan had above 0;
// any other step keeps the rows whose levels it changed.
struct PlanStep {
  bool rebuild = false;
  std::uint32_t codeBefore = 0;
  std::uint32_t codeAfter = 0;
  std::vector<RowLevel> levelsBefore;
  std::vector<RowLevel> levelsAfter;
  std::vector<LevelChange> changes;

  // Merges the changes of each row into one (first before, last after) and
  // drops rows that ended where they began; true when anything is left.
  bool Compact();
  std::size_t Bytes() const;
};

// The undo and redo steps of the plan, bounded in memory: the oldest steps go
// first once the steps together take more than kByteLimit.
class PlanHistory {
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
  std::size_t Size() const { return steps.size(); }

 private:
  std::deque<PlanStep> steps;
  std::size_t position = 0;  // steps before it can be undone, from it on redone
  std::size_t bytes = 0;
};
