#include "app/OverviewItemList.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include "app/ReportList.h"
#include "skilllist/SkillTipText.h"
#include "ui/DpiScale.h"

namespace {

// The skills column takes the width the others leave.
constexpr ReportColumn kItemColumns[] = {{kOverviewColumnItem, 130, LVCFMT_LEFT},
                                         {kOverviewColumnCount, 70, LVCFMT_RIGHT},
                                         {kOverviewColumnSkills, 0, LVCFMT_LEFT}};
constexpr int kItemColumnCount = 3;
constexpr int kSkillsColumn = 2;
// The list view leaves this much of a cell's width beside its text.
constexpr int kCellPadding = 12;

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
  InsertReportColumns(list, kItemColumns, kItemColumnCount);
  skills.clear();
  int row = 0;
  for (const MasterItemTotal& item : items) {
    skills.push_back(JoinedNames(item.skills));
    SetReportCell(list, row, 0, item.name);
    SetReportCell(list, row, 1, std::to_string(item.count));
    SetReportCell(list, row, kSkillsColumn, skills.back());
    ++row;
  }
  FinishReportList(list, kItemColumns, kItemColumnCount);
}

std::string OverviewItemList::TipText(int row) const {
  if (row < 0 || row >= static_cast<int>(skills.size())) return std::string();
  const std::string& text = skills[static_cast<std::size_t>(row)];
  const auto width =
      SendMessageA(Hwnd(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const auto columnWidth = SendMessageA(Hwnd(), LVM_GETCOLUMNWIDTH, kSkillsColumn, 0);
  return width + DpiScale::Of(Hwnd())(kCellPadding) > columnWidth ? text : std::string();
}
