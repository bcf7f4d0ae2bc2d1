#pragma once

#include <windows.h>

// The skill list's colours and its rule for a cell, which the picture of the
// plan follows too: even rows on the alternate colour, odd rows on the back
// colour; a skill's level and points in the unlearnt colour at level 0, its
// level in the master colour once mastered, every other text in the text colour.
struct ListColors {
  COLORREF text = 0;
  COLORREF back = 0;
  COLORREF altRow = 0;
  COLORREF unlearnt = 0;
  COLORREF master = 0;
};

struct CellColors {
  COLORREF text = 0;
  COLORREF back = 0;
};

// Whether the column's text colour depends on the row's level.
bool FollowsLevel(int column);

CellColors CellColorsOf(const ListColors& colors, int row, int column, int level, bool mastered);
