#pragma once

#include <vector>

#include "plan/GameDatabase.h"

// A row of the plan that the table and the picture show: a skill at level 1
// or more, its entry's job label that of its block (the nearest labelled row
// above it, as the list shows it once).
struct LearntRow {
  SkillEntry entry;
  int points = 0;
  // The first learnt row of its block.
  bool opensBlock = false;
};

// The plan's learnt rows in plan order.
std::vector<LearntRow> LearntRows(const GameDatabase& plan);
