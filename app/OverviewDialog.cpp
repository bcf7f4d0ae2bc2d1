#include "app/OverviewDialog.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include <string>
#include <utility>

#include "app/OverviewText.h"
#include "res/DialogIds.h"
#include "skilllist/SkillTipText.h"
#include "ui/Clipboard.h"

namespace {

struct ItemColumn {
  const char* title;
  int width;
  int format;
};
constexpr ItemColumn kItemColumns[] = {{kOverviewColumnItem, 130, LVCFMT_LEFT},
                                       {kOverviewColumnCount, 70, LVCFMT_RIGHT},
                                       {kOverviewColumnSkills, 240, LVCFMT_LEFT}};

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

OverviewDialog::OverviewDialog(HWND owner, PlanOverview overview)
    : ThemedDialog(owner, IDD_OVERVIEW_DIALOG, kOverviewCaption), overview(std::move(overview)) {}

LRESULT OverviewDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    const LRESULT result = ThemedDialog::WindowProc(window, msg, wParam, lParam);
    ShowFigures();
    FillItemList();
    return result;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == IDC_OVERVIEW_COPY && HIWORD(wParam) == BN_CLICKED) {
    clipboard::PutText(window, OverviewCopyText(overview));
    return TRUE;
  }
  return ThemedDialog::WindowProc(window, msg, wParam, lParam);
}

void OverviewDialog::ShowFigures() const {
  int index = 0;
  for (const OverviewFigure& figure : OverviewFigures(overview)) {
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_LABEL_FIRST + index, figure.label);
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_VALUE_FIRST + index, figure.value.c_str());
    ++index;
  }
}

void OverviewDialog::FillItemList() const {
  HWND list = GetDlgItem(Hwnd(), IDC_OVERVIEW_ITEMS);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const ItemColumn& column : kItemColumns) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    description.fmt = column.format;
    description.cx = column.width;
    description.pszText = const_cast<char*>(column.title);
    SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&description));
  }
  int row = 0;
  for (const MasterItemTotal& item : overview.items) {
    SetCell(list, row, 0, item.name);
    SetCell(list, row, 1, std::to_string(item.count));
    SetCell(list, row, 2, JoinedNames(item.skills));
    ++row;
  }
}
