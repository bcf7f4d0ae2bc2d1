#pragma once

#include <string>

#include "vexacheck/Finding.h"

// What checking a data file found, in line order.
struct CheckResult {
  Findings findings;
  bool refused = false;  // the program would not start with this file

  int Count(Finding::Severity severity) const;
  // 0 clean, 1 only warnings, 2 refused.
  int ExitStatus() const;
};

// Reads the file with the program's own reader, which reports every line it
// drops, then checks the tables it filled. A refused file gets no table checks:
// the program would never show them.
CheckResult CheckDataFile(const std::string& path);
