#pragma once

#include <string>
#include <vector>

#include "plan/SkillLinks.h"

// Names in their order, separated by "、".
std::string JoinedNames(const std::vector<std::string>& names);

// The tip of a skill row: "前提: " with each prerequisite and its level, then
// "後続: " with the skills that need it, a line each; empty for a skill with
// neither.
std::string SkillTipText(const SkillLinks& links);
