#include "skilllist/PlanTableText.h"

#include <JapaneseText.h>

#include "skilllist/ColumnTable.h"
#include "skilllist/SkillCellText.h"

namespace {

constexpr char kSeparator[] = "\t";
constexpr char kLineEnd[] = "\r\n";

// One line of the list's text columns, a cell each.
template <typename CellText>
void AppendLine(std::string& table, CellText cellText) {
  for (int column = kColumnJob; column < kTextColumnCount; ++column)
    table.append(cellText(column)).append(column + 1 < kTextColumnCount ? kSeparator : kLineEnd);
}

}  // namespace

std::string PlanTableText(const GameDatabase& plan) {
  std::string table;
  AppendLine(table, [](int column) { return std::string(kColumnTitles[column]); });
  // The list labels a block on its first row only; a line taken alone needs it.
  std::string label;
  SkillEntry entry;
  for (int row = 0; plan.CopyRowEntry(row, entry); ++row) {
    if (!entry.jobLabel.empty()) label = entry.jobLabel;
    if (entry.level < 1) continue;
    entry.jobLabel = label;
    const int points = plan.RowPoints(row);
    AppendLine(table, [&](int column) { return SkillCellText(entry, points, column); });
  }
  return table.append(kTableTotalTitle)
      .append(kSeparator)
      .append(std::to_string(plan.TotalPoints()))
      .append(kLineEnd);
}

std::string TableLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i)
    line.append(i > 0 ? kSeparator : "").append(cells[i]);
  return line.append(kLineEnd);
}
