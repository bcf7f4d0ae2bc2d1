#pragma once

#include <string_view>

#include "data/DataFileObserver.h"

// Counts the lines the reader read past without taking them as written; a
// line with two faults counts once. Cheap enough for every load.
class DroppedLineCounter : public DataFileObserver {
 public:
  void OnLine(int, std::string_view) override {}
  void OnSection(int, int) override {}
  void OnSkillStored(int, int) override {}
  void OnFault(int line, LineReport report) override {
    if (RefusesFile(report.fault)) return;
    if (line != lastLine) ++count;
    lastLine = line;
  }

  int Count() const { return count; }

 private:
  int count = 0;
  int lastLine = 0;
};
