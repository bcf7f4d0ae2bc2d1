#pragma once

#include <string_view>

#include "data/LineFault.h"

// Told by a DataFileReader what it makes of each line, so that a checking tool
// sees what the program's own reading drops and why. Lines count from 1.
class DataFileObserver {
 public:
  virtual ~DataFileObserver() = default;

  // Every line as read, without its line end, before it is handled.
  virtual void OnLine(int line, std::string_view bytes) = 0;
  // A header and its section, DataFileReader::kNoSection for one that names
  // none; the fault follows.
  virtual void OnSection(int line, int section) = 0;
  // A skill line appended to the list of its section.
  virtual void OnSkillStored(int line, int section) = 0;
  // A fault; RefusesFile tells whether the read ends there.
  virtual void OnFault(int line, LineReport report) = 0;
};
