#pragma once

#include <windows.h>

#include <string>

#include "app/ReportDialog.h"
#include "plan/PlanComparison.h"

// Two plans compared, modal over the main window: a heading for each, their
// figures side by side with the difference, the skills whose level differs
// and the master items whose count differs, each in a list, and a button
// that copies it all as tab-separated text.
class CompareDialog : public ReportDialog {
 public:
  // The comparison must outlive the dialog.
  CompareDialog(HWND owner, const PlanComparison& comparison);

 protected:
  void ShowReport() override;
  std::string ReportText() const override;

 private:
  const PlanComparison& comparison;
};
