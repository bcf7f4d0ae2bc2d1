#include "app/PlanSnapshot.h"

PlanSnapshot::PlanSnapshot(const GameDatabase& plan) : code(plan.GetJobCode()) {
  const int count = plan.RowCount();
  rows.reserve(static_cast<std::size_t>(count));
  SkillEntry entry;
  for (int row = 0; row < count; ++row) {
    if (plan.CopyRowEntry(row, entry)) rows.emplace_back(entry.key, entry.level);
  }
}

bool PlanSnapshot::operator==(const PlanSnapshot& other) const {
  return code == other.code && rows == other.rows;
}
