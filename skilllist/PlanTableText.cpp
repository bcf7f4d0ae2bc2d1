#include "skilllist/PlanTableText.h"

#include <JapaneseText.h>

#include "skilllist/ColumnTable.h"
#include "skilllist/LearntRows.h"
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
  for (const LearntRow& row : LearntRows(plan))
    AppendLine(table, [&](int column) { return SkillCellText(row.entry, row.points, column); });
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
