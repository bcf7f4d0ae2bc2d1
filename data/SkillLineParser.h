#pragma once

#include <string>

#include "data/SkillDefinition.h"

// Turns the content of one skill line (tabs already blanks, comment dropped)
// into a definition: key, display name, learn level, learn points, master
// points ("-" or 1 or more), master item ("-", "name" or "name:count"), then
// prerequisites "key" or "key:level". Returns false, leaving skill untouched,
// when a field is missing, a number is out of its range or a count or level is
// negative.
bool ParseSkillLine(std::string content, SkillDefinition& skill);
