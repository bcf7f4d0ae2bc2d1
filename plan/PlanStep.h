#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "plan/PlanTypes.h"

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

// A whole plan by value: its code and the rows above level 0, each entry at
// its own row. Two plans with equal levels are the same plan.
struct PlanLevels {
  JobCode code = 0;
  std::vector<RowLevel> levels;
  bool operator==(const PlanLevels& other) const {
    return code == other.code && levels == other.levels;
  }
  bool operator!=(const PlanLevels& other) const { return !(*this == other); }
};

// One undoable user action: what it changed, never a copy of the plan. A step
// that rebuilt the plan keeps both plans by their levels; any other step keeps
// the rows whose levels it changed.
struct PlanStep {
  bool rebuild = false;
  PlanLevels before;
  PlanLevels after;
  std::vector<LevelChange> changes;

  // Merges the changes of each row into one (first before, last after) and
  // drops rows that ended where they began; true when anything is left.
  bool Compact();
  std::size_t Bytes() const;
};
