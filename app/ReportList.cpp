#include "app/ReportList.h"

#include <commctrl.h>

#include "ui/DpiScale.h"

void InsertReportColumns(HWND list, const ReportColumn* columns, int count) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const DpiScale scale = DpiScale::Of(GetParent(list));
  for (int index = 0; index < count; ++index) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    description.fmt = columns[index].format;
    description.cx = scale(columns[index].width);
    description.pszText = const_cast<char*>(columns[index].title);
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&description));
  }
}

void SetReportCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  if (column == 0)
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  else
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void FinishReportList(HWND list, const ReportColumn* columns, int count) {
  LVITEMA focused{};
  focused.stateMask = focused.state = LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focused));
  // Once the rows are in, the client width is net of a vertical scroll bar.
  RECT client{};
  GetClientRect(list, &client);
  int rest = client.right - client.left;
  int stretching = -1;
  for (int index = 0; index < count; ++index) {
    if (columns[index].width == 0) stretching = index;
    rest -= static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, index, 0));
  }
  if (stretching >= 0)
    SendMessageA(list, LVM_SETCOLUMNWIDTH, stretching, MAKELPARAM(rest > 0 ? rest : 0, 0));
}

void FillReportList(HWND list, const ReportColumn* columns, int count,
                    const std::vector<std::vector<std::string>>& rows) {
  InsertReportColumns(list, columns, count);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    for (int column = 0; column < count; ++column)
      SetReportCell(list, row, column, rows[row][column]);
  FinishReportList(list, columns, count);
}
