#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// One thing the checker found in a data file. An error is what makes the
// program refuse the file; everything it reads past is a warning.
struct Finding {
  enum class Severity { kWarning, kError };

  int line = 0;  // counted from 1; 0 for the file as a whole
  Severity severity = Severity::kWarning;
  std::string message;  // Shift-JIS, as every text of the program
};
using Findings = std::vector<Finding>;

// The pattern with each "%s" replaced by the next value. Control bytes in the
// values become '?', so that no key from the file can steer a terminal; no
// Shift-JIS byte is one, and '%' is never a trail byte.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
