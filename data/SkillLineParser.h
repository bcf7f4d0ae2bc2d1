#pragma once

#include <string_view>

#include "data/LineFault.h"
#include "data/SkillDefinition.h"

// Turns the content of one skill line (tabs already blanks, comment dropped)
// into a definition: key, display name, learn level, learn points, master
// points ("-" or 1 or more), master item ("-", "name" or "name:count"), then
// prerequisites "key" or "key:level". Fills skill, which starts empty, in place
// so that nothing is copied. Reports kNone for a stored line; otherwise the
// first field that is missing, holds no number, is out of its range or
// negative, with the likely slip where there is one, and skill is then partly
// filled and must be dropped.
LineReport ParseSkillLine(std::string_view content, SkillDefinition& skill);
