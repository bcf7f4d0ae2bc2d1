#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A column of a dialog's report list: its title, its width in pixels of the
// 96-DPI design (0 for the one column that takes the width the others leave)
// and its list-view format (LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT).
struct ReportColumn {
  const char* title;
  int width;
  int format;
};

// A report list view filled once. First the columns, with full-row selection,
// as wide as the dialog's DPI makes their design widths; then the cells;
// last the focus mark on the first row, which the list shows while it has the
// focus, and the stretching column fitted to the width the others leave (net
// of a vertical scroll bar), so that no horizontal scroll bar hides the last row.
void InsertReportColumns(HWND list, const ReportColumn* columns, int count);
void SetReportCell(HWND list, int row, int column, const std::string& text);
void FinishReportList(HWND list, const ReportColumn* columns, int count);

// All three, a row of texts per item.
void FillReportList(HWND list, const ReportColumn* columns, int count,
                    const std::vector<std::vector<std::string>>& rows);
