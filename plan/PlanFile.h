#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plan/PlanTypes.h"

// One skill line of a plan file.
struct PlanRecord {
  std::string key;
  std::int32_t level = 0;
};

// A plan file's text: a job line, then one skill line per row, each ended
// by CR LF, so every build writes the same bytes.
std::string PlanText(JobCode code, const std::vector<PlanRecord>& records);

// Parses a plan's text, from a file or from anywhere else, by the plan file's
// line rules (LineCutter). False when the text is no plan; records parsed
// before the failure stay in the vector.
bool ParsePlanText(std::string_view text, JobCode& code, std::vector<PlanRecord>& records);

// Reads the whole file, then parses it; false also when it is no file on a
// disk, is larger than kPlanFileLimit, or cannot be read.
bool ReadPlanFile(const std::string& path, JobCode& code, std::vector<PlanRecord>& records);
