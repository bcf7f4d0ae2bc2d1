#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A plan the main window can build: the skill lists it holds, and its name
// as the job key and the attributes set (Shift-JIS).
struct SelectablePlan {
  std::uint64_t lists = 0;  // bit n set: the plan holds list n
  std::string name;
};

// Every distinct set of lists that a code the window composes selects, as the
// plan builder decodes the code: each type with each job button and, for the
// sheep and the dragon, every combination of the attribute boxes. Each set is
// named by its selection with the fewest attributes.
std::vector<SelectablePlan> SelectablePlans();
