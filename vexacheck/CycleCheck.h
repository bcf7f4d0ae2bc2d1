#pragma once

#include "vexacheck/Finding.h"
#include "vexacheck/SkillIndex.h"

// Prerequisite chains that lead back to where they start. Each cycle is
// reported once, at the first line of its earliest skill, with its keys.
void CheckCycles(const SkillListTable& lists, const SkillLineTable& lines, const SkillIndex& index,
                 Findings& findings);
