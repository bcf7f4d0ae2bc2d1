// The main window's TM total: the figure and its tip.
#include "app/MainWindow.h"
#include "app/OverviewText.h"
#include "res/ControlIds.h"

namespace {
constexpr UINT kTotalTool = IDC_TOTAL_LABEL;
}  // namespace

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

void MainWindow::ShowTotal() const {
  if (database)
    SetDlgItemInt(Hwnd(), IDC_TOTAL_LABEL, static_cast<UINT>(database->TotalPoints()), TRUE);
}
