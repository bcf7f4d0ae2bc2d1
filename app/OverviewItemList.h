#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "plan/PlanOverview.h"
#include "ui/ListRowTip.h"
#include "ui/WindowBase.h"

// The overview's list of master items: item, count and the skills that need
// it. The skills column takes the width the others leave, so that no
// horizontal scroll bar hides the last row; skills that do not fit end in an
// ellipsis and show whole in a tip over their row.
class OverviewItemList : public WindowBase {
 public:
  bool Attach(HWND window) override;
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The columns and a row per item; the first row carries the focus mark,
  // which the list shows while it has the focus.
  void Fill(const std::vector<MasterItemTotal>& items);

 private:
  // The row's skills when they are wider than their column, else nothing.
  std::string TipText(int row) const;

  ListRowTip tip;
  std::vector<std::string> skills;
};
