#include "app/OverviewItemList.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include "app/ReportList.h"
#include "skilllist/SkillTipText.h"

namespace {

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
  std::vector<std::vector<std::string>> rows;
  skills.clear();
  for (const MasterItemTotal& item : items) {
    skills.push_back(JoinedNames(item.skills));
    rows.push_back({item.name, std::to_string(item.count), skills.back()});
  }
  // The skills column takes the width the others leave.
  FillReportList(Hwnd(), {kOverviewColumnItem, kOverviewColumnCount, kOverviewColumnSkills},
                 {{130, LVCFMT_LEFT}, {70, LVCFMT_RIGHT}, {0, LVCFMT_LEFT}}, rows);
}

std::string OverviewItemList::TipText(int row) const {
  if (row < 0 || row >= static_cast<int>(skills.size())) return std::string();
  const std::string& text = skills[static_cast<std::size_t>(row)];
  const auto width =
      SendMessageA(Hwnd(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const auto columnWidth = SendMessageA(Hwnd(), LVM_GETCOLUMNWIDTH, kSkillsColumn, 0);
  return width + kCellPadding > columnWidth ? text : std::string();
}
