#include "app/ReportList.h"

#include <commctrl.h>

#include "ui/DpiScale.h"

namespace {

void SetCell(HWND list, int row, int column, const std::string& text) {
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

}  // namespace

void FillReportList(HWND list, const std::vector<std::string>& titles,
                    const std::vector<ReportColumn>& columns,
                    const std::vector<std::vector<std::string>>& rows) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const DpiScale scale = DpiScale::Of(GetParent(list));
  int stretching = -1;
  int fixedWidth = 0;
  for (int index = 0; index < static_cast<int>(columns.size()); ++index) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    description.fmt = columns[index].format;
    description.cx = scale(columns[index].width);
    description.pszText = const_cast<char*>(titles[index].c_str());
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&description));
    if (columns[index].width == 0) stretching = index;
    fixedWidth += description.cx;
  }
  for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    for (int column = 0; column < static_cast<int>(rows[row].size()); ++column)
      SetCell(list, row, column, rows[row][column]);
  LVITEMA focused{};
  focused.stateMask = focused.state = LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focused));
  if (stretching < 0) return;
  // Once the rows are in, the client width is net of a vertical scroll bar.
  RECT client{};
  GetClientRect(list, &client);
  const int rest = client.right - client.left - fixedWidth;
  SendMessageA(list, LVM_SETCOLUMNWIDTH, stretching, MAKELPARAM(rest > 0 ? rest : 0, 0));
}
