#pragma once

#include <string>
#include <vector>

#include "data/SkillDefinition.h"

class SkillPlan;

// What ties one skill of the plan to others, named for display: a skill the
// plan holds by its display name, any other by its key.
struct SkillLinks {
  std::vector<SkillPrerequisite> prerequisites;  // with the level each must have
  std::vector<std::string> dependents;           // the plan's skills that require it, each once
};

// The links of the plan's row; false for a row out of range.
bool RowLinksOf(const SkillPlan& plan, int row, SkillLinks& links);
