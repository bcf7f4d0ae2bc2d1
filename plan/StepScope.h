#pragma once

#include "plan/GameDatabase.h"

// Keeps one undo step open for the changes of one plan operation; an
// operation inside a step already open adds to that step.
class GameDatabase::StepScope {
 public:
  explicit StepScope(GameDatabase& plan) : plan(plan) { plan.BeginStep(); }
  ~StepScope() { plan.EndStep(); }
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;

 private:
  GameDatabase& plan;
};
