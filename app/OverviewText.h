#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plan/PlanOverview.h"

// The overview's figures as the dialog, its copy and the total's tip show them.
struct OverviewFigure {
  const char* label;
  std::string value;
};

// The required level, "-" for none (-1).
std::string RequiredLevelText(std::int32_t level);

// Required level ("-" for none), TM total, learnt and mastered skills as
// "count / skills", in this order.
std::vector<OverviewFigure> OverviewFigures(const PlanOverview& overview);

// The whole overview as tab-separated lines ending in CR LF: a line per
// figure, an empty line, the item list's titles and a line per item.
std::string OverviewCopyText(const PlanOverview& overview);

// The total's tip: required level, learnt and mastered skills, a line each.
std::string OverviewTipText(const PlanOverview& overview);
