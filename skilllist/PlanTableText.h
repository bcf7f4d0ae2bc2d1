#pragma once

#include <string>
#include <vector>

#include "plan/GameDatabase.h"

// The plan as a table for spreadsheets and posts: tab-separated lines ended
// by CR LF; the list's column titles, then each row above level 0 with the
// texts the list shows for it, its block's job label on every line, and last
// the TM point total.
std::string PlanTableText(const GameDatabase& plan);

// One line of a copied table: the cells tab-separated, then CR LF.
std::string TableLine(const std::vector<std::string>& cells);
