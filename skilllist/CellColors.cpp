#include "skilllist/CellColors.h"

#include "skilllist/ColumnTable.h"

bool FollowsLevel(int column) { return column == kColumnSkillLevel || column == kColumnPoints; }

CellColors CellColorsOf(const ListColors& colors, int row, int column, int level, bool mastered) {
  CellColors cell{colors.text, row % 2 == 0 ? colors.altRow : colors.back};
  if (!FollowsLevel(column)) return cell;
  if (level == 0)
    cell.text = colors.unlearnt;
  else if (column == kColumnSkillLevel && mastered)
    cell.text = colors.master;
  return cell;
}
