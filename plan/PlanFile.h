#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "plan/PlanTypes.h"

// One skill line of a plan file.
struct PlanRecord {
  std::string key;
  std::int32_t level = 0;
};

// Writes and reads the lines of one plan file: a job line, then one skill
// line per row. Both directions use binary streams and write CR LF
// themselves, so every build reads and writes the same bytes.
class PlanFile {
 public:
  enum Direction { Closed = 0, Reading = 1, Writing = 2 };

  PlanFile(const char* path, Direction direction);
  ~PlanFile();
  PlanFile(const PlanFile&) = delete;
  PlanFile& operator=(const PlanFile&) = delete;

  bool Open(const char* path, Direction direction);
  bool IsOpen() const;
  void Close();

  // False when not writing or when any byte could not be written and flushed.
  bool WritePlan(JobCode code, const std::vector<PlanRecord>& records);
  // False when not reading or when the file is no plan file; records read
  // before the failure stay in the vector.
  bool ReadPlan(JobCode& code, std::vector<PlanRecord>& records);

 private:
  Direction direction = Closed;
  std::ifstream input;
  std::ofstream output;
};
