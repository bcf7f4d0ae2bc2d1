#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "plan/GameDatabase.h"

// The plan's code and every row's key and level at one moment. A failed load
// may or may not have rebuilt the plan; comparing with a snapshot taken before
// it tells whether the window has to follow.
class PlanSnapshot {
 public:
  explicit PlanSnapshot(const GameDatabase& plan);

  bool operator==(const PlanSnapshot& other) const;
  bool operator!=(const PlanSnapshot& other) const { return !(*this == other); }

 private:
  JobCode code;
  std::vector<std::pair<std::string, std::int32_t>> rows;
};
