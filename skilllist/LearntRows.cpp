#include "skilllist/LearntRows.h"

#include <string>

std::vector<LearntRow> LearntRows(const GameDatabase& plan) {
  std::vector<LearntRow> rows;
  std::string label;
  bool newBlock = false;
  SkillEntry entry;
  for (int row = 0; plan.CopyRowEntry(row, entry); ++row) {
    if (!entry.jobLabel.empty()) {
      label = entry.jobLabel;
      newBlock = true;
    }
    if (entry.level < 1) continue;
    entry.jobLabel = label;
    rows.push_back({entry, plan.RowPoints(row), newBlock});
    newBlock = false;
  }
  return rows;
}
