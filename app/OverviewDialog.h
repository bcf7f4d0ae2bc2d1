#pragma once

#include <windows.h>

#include "app/OverviewItemList.h"
#include "app/ReportDialog.h"
#include "plan/PlanOverview.h"

// The plan overview, modal over the main window: the required level, the TM
// total and the learnt and mastered counts, the master items in a list, and
// a button that copies it all as tab-separated text.
class OverviewDialog : public ReportDialog {
 public:
  OverviewDialog(HWND owner, PlanOverview overview);

 protected:
  void ShowReport() override;
  std::string ReportText() const override;

 private:
  PlanOverview overview;
  OverviewItemList itemList;
};
