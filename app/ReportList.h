#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A column of a dialog's report list: its width in pixels of the 96-DPI
// design (0 for the one column that takes the width the others leave) and
// its list-view format (LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT).
struct ReportColumn {
  int width;
  int format;
};

// Fills a report list view once: full-row selection, the columns titled and
// as wide as the dialog's DPI makes their design widths, a row of texts per
// item, and the focus mark on the first row, which the list shows while it
// has the focus. The stretching column then takes the width the others
// leave (net of a vertical scroll bar), so that no horizontal scroll bar
// hides the last row.
void FillReportList(HWND list, const std::vector<std::string>& titles,
                    const std::vector<ReportColumn>& columns,
                    const std::vector<std::vector<std::string>>& rows);
