#pragma once

#include "vexacheck/Finding.h"
#include "vexacheck/SkillIndex.h"

// A key used twice within one skill list (sections of the same name fill one
// list): a plan would give both rows one shared entry.
void CheckDuplicateKeys(const SkillListTable& lists, const SkillLineTable& lines,
                        const SkillIndex& index, Findings& findings);
