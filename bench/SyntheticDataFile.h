#pragma once

#include <string>

#include "plan/GameDatabase.h"

// Large data files made up for the benchmarks. Their skills fill the attack
// basic list and the bunny rank-1 list in alternating sections, so one bunny
// rank-1 plan holds every skill as a row.
class SyntheticDataFile {
 public:
  enum class Links {
    Sparse,  // three skills in four require the one before them
    Chain    // every skill requires the one before it: one chain through the file
  };

  static constexpr JobCode kEveryRowCode = 0x312;  // bunny, rank 1

  // Writes the file; lines is the number of skill lines.
  static void Write(const std::string& path, int lines, Links links);
};
