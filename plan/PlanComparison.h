#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanFile.h"
#include "plan/PlanOverview.h"
#include "plan/PlanStep.h"
#include "plan/Selection.h"

class SkillPlan;

// One plan of a comparison: its code as the main window's controls would
// show it, and its overview.
struct ComparedPlan {
  JobCode code = 0;
  std::string typeName;                            // empty for a plan naming no type
  std::string jobLabel;                            // the label of the job button the code sets
  std::array<bool, kAttributeCount> attributes{};  // the boxes set that pick a list
  PlanOverview overview;
};

// A skill's level in one plan of a comparison.
struct ComparedLevel {
  bool held = false;  // whether the plan has a row for the skill
  std::int32_t level = 0;
  bool mastered = false;
  std::int32_t points = 0;
};

// A skill whose level differs between the plans; a plan without it counts as
// level 0.
struct SkillDifference {
  std::string jobLabel;  // its block's, in the plan it is listed from
  std::string name;
  ComparedLevel current;
  ComparedLevel other;
};

// A master item whose count differs; a plan that needs none counts 0.
struct ItemDifference {
  std::string name;
  std::int32_t current = 0;
  std::int32_t other = 0;
};

// The current plan against another built from the same tables. Both count
// each skill once, at the row the overview counts it, and match skills by key.
struct PlanComparison {
  // Made and dropped in one place; it is filled where it stands.
  PlanComparison();
  ~PlanComparison();

  ComparedPlan current;
  ComparedPlan other;
  // The current plan's skills in its order, then the other plan's skills
  // that the current plan does not hold, in the other's order.
  std::vector<SkillDifference> skills;
  // By the size of the difference, largest first, then by name byte for byte.
  std::vector<ItemDifference> items;
};

void ComparePlans(const SkillPlan& current, const SkillPlan& other, const GameTables& tables,
                  PlanComparison& comparison);

// The other plan built in a plan of its own from the current plan's tables:
// from a code and plan records, replayed as a load replays them (false at a
// record that names no row), or from a plan kept by value.
bool CompareWithRecords(const SkillPlan& current, JobCode code,
                        const std::vector<PlanRecord>& records, PlanComparison& comparison);
void CompareWithLevels(const SkillPlan& current, const PlanLevels& levels,
                       PlanComparison& comparison);

// other - current, made in 64 bits and clamped to 32.
std::int32_t Difference(std::int32_t current, std::int32_t other);
