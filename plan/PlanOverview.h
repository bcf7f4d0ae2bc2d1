#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "plan/SkillEntry.h"

class SkillPlan;

// One master item that the plan's mastered skills need, summed over them.
struct MasterItemTotal {
  std::string name;
  std::int32_t count = 0;           // added in 64 bits, clamped to 32
  std::vector<std::string> skills;  // display names, in plan order
};

// What a plan asks of the character, added up over its skills.
struct PlanOverview {
  std::int32_t requiredLevel = -1;  // highest learn level of a learnt skill; -1 for none
  std::int32_t totalPoints = 0;
  int skillCount = 0;  // a skill on two rows counts once
  int learntCount = 0;
  int masteredCount = 0;
  std::vector<MasterItemTotal> items;  // by count descending, then by name
};

// Adds up the skills of a plan, each skill once, in plan order.
class PlanOverviewTally {
 public:
  void Add(const SkillEntry& skill);
  PlanOverview Finish(std::int32_t totalPoints);

 private:
  PlanOverview overview;
  std::vector<std::int64_t> itemSums;                // beside overview.items
  std::map<std::string, std::size_t> itemPositions;  // name to index in overview.items
};

// The plan added up: each skill once, at the row its entry stands on.
PlanOverview OverviewOf(const SkillPlan& plan);
