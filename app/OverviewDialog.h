#pragma once

#include <windows.h>

#include "app/OverviewItemList.h"
#include "app/ThemedDialog.h"
#include "plan/PlanOverview.h"

// The plan overview, modal over the main window: the required level, the TM
// total and the learnt and mastered counts, the master items in a list, and
// a button that copies it all as tab-separated text.
class OverviewDialog : public ThemedDialog {
 public:
  OverviewDialog(HWND owner, PlanOverview overview);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Ctrl+C copies, as the copy button does.
  UINT ShortcutCommand(const MSG& message) const override;
  void OnShortcutCommand(UINT command) override;

 private:
  void ShowFigures() const;
  void Copy() const;

  PlanOverview overview;
  OverviewItemList itemList;
};
