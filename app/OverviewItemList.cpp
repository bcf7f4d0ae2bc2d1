#include "app/OverviewItemList.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include "skilllist/SkillTipText.h"
#include "ui/DpiScale.h"

namespace {

struct ItemColumn {
  const char* title;
  int width;
  int format;
};
constexpr ItemColumn kItemColumns[] = {{kOverviewColumnItem, 130, LVCFMT_LEFT},
                                       {kOverviewColumnCount, 70, LVCFMT_RIGHT},
                                       {kOverviewColumnSkills, 0, LVCFMT_LEFT}};
constexpr int kSkillsColumn = 2;
// The list view leaves this much of a cell's width beside its text.
constexpr int kCellPadding = 12;

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

bool OverviewItemList::Attach(HWND window) {
  if (!WindowBase::Attach(window)) return false;
  tip.Prepare(window);
  return true;
}

LRESULT OverviewItemList::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) tip.OnMouse(msg, wParam, lParam);
  if (tip.IsFormatQuery(msg, wParam)) return NFR_ANSI;
  if (msg == WM_NOTIFY && tip.OnNotify(lParam, [this](int row) { return TipText(row); })) return 0;
  if (msg == WM_DESTROY) tip.Destroy();
  return WindowBase::WindowProc(window, msg, wParam, lParam);
}

void OverviewItemList::Fill(const std::vector<MasterItemTotal>& items) {
  HWND list = Hwnd();
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const ItemColumn& column : kItemColumns) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    description.fmt = column.format;
    description.cx = DpiScale::Of(list)(column.width);
    description.pszText = const_cast<char*>(column.title);
    SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&description));
  }
  skills.clear();
  int row = 0;
  for (const MasterItemTotal& item : items) {
    skills.push_back(JoinedNames(item.skills));
    SetCell(list, row, 0, item.name);
    SetCell(list, row, 1, std::to_string(item.count));
    SetCell(list, row, kSkillsColumn, skills.back());
    ++row;
  }
  LVITEMA focused{};
  focused.stateMask = focused.state = LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focused));
  // Once the rows are in, the client width is net of a vertical scroll bar.
  FitSkillsColumn();
}

void OverviewItemList::FitSkillsColumn() const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  int rest = client.right - client.left;
  const DpiScale scale = DpiScale::Of(Hwnd());
  for (int column = 0; column < kSkillsColumn; ++column) rest -= scale(kItemColumns[column].width);
  SendMessageA(Hwnd(), LVM_SETCOLUMNWIDTH, kSkillsColumn, MAKELPARAM(rest > 0 ? rest : 0, 0));
}

std::string OverviewItemList::TipText(int row) const {
  if (row < 0 || row >= static_cast<int>(skills.size())) return std::string();
  const std::string& text = skills[static_cast<std::size_t>(row)];
  const auto width =
      SendMessageA(Hwnd(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const auto columnWidth = SendMessageA(Hwnd(), LVM_GETCOLUMNWIDTH, kSkillsColumn, 0);
  return width + DpiScale::Of(Hwnd())(kCellPadding) > columnWidth ? text : std::string();
}
