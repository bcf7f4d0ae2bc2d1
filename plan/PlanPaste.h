#pragma once

#include <string_view>
#include <vector>

#include "data/GameTables.h"
#include "plan/PlanFile.h"

// Plan text from outside (a paste), parsed as a plan file after each line's
// blanks are tidied and the blank lines before the job line and after the
// last line are dropped. False when what is left is no plan text.
bool ParsePastedPlan(std::string_view text, JobCode& code, std::vector<PlanRecord>& records);

// Whether the plan that the code builds would hold a row for every record.
bool PlanHoldsEveryKey(const GameTables& tables, JobCode code,
                       const std::vector<PlanRecord>& records);
