// The main window's views of the plan and the program: the overview dialog,
// the About box and the TM total's tip.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/OverviewDialog.h"
#include "app/OverviewText.h"
#include "app/PlanCommands.h"
#include "res/ControlIds.h"

namespace {
constexpr UINT kTotalTool = IDC_TOTAL_LABEL;
}  // namespace

void MainWindow::ShowOverview() {
  // Also from Ctrl+I, which the menu's greying does not stop.
  if (!CanRunCommand(kCommandOverview)) return;
  // Its dialog takes the mouse: a held press ends first, as before a change.
  BeginPlanChange();
  OverviewDialog(Hwnd(), database->Overview()).Run(true, true);
}

void MainWindow::ShowAbout() {
  AboutDialog(Hwnd(), database ? database->skillCount() : 0,
              database ? database->droppedLineCount() : 0)
      .Run(true, true);
}

void MainWindow::StartTotalTip() {
  totalTip.Prepare(Hwnd());
  totalTip.AddTool(Hwnd(), kTotalTool);
  RECT area{};
  GetWindowRect(totalLabel.Hwnd(), &area);
  MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
  totalTip.MoveTool(Hwnd(), kTotalTool, area);
}

void MainWindow::AnswerTotalTip(LPARAM request) {
  totalTipText = database ? OverviewTipText(database->Overview()) : std::string();
  ToolTip::Answer(request, totalTipText);
}
