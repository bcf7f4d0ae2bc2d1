#pragma once

#include <vector>

#include "vexacheck/Finding.h"
#include "vexacheck/SelectablePlans.h"
#include "vexacheck/SkillIndex.h"

// Prerequisites a plan cannot meet: a key that no plan holding the skill has
// as a row (raising the skill would raise an entry with no row), or a level
// above the highest that skill can reach.
void CheckPrerequisites(const SkillListTable& lists, const SkillLineTable& lines,
                        const SkillIndex& index, const std::vector<SelectablePlan>& plans,
                        Findings& findings);
