// How long the skill list takes to repaint in full, against redrawing the one
// row that a level step touched, with a 1,000-row plan under Wine.

#include "bench/windows/ListBenchmark.h"

using namespace listbench;

namespace {

void SendRowChanges(HWND list, const ChangeList& changes) {
  for (int row : changes) SendMessageA(list, WM_APP_ROW_CHANGED, 0, row);
}

}  // namespace

int main() {
  GameDatabase plan;
  if (!BuildPlan(plan, "bench_skilllist")) return 1;
  HeaderListView header;
  SkillListView skills;
  ListHost host(header, skills, plan);
  HWND list = host.SkillList();

  ChangeList changes;
  for (int level = 0; level < kLowLevel; ++level) {
    plan.StepRowLevel(kSteppedRow, Up, changes);
    SendRowChanges(list, changes);
  }
  host.Show();

  const Figures fullRepaint = Measure([list](int) {
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
  });
  const Figures rowStep = Measure([&](int run) {
    plan.StepRowLevel(kSteppedRow, run % 2 == 0 ? Up : Down, changes);
    SendRowChanges(list, changes);
    UpdateWindow(list);
  });

  std::printf("skill list, %d rows, %d runs each\n", kRows, kRuns);
  Print("full repaint (InvalidateRect + UpdateWindow)", fullRepaint);
  Print("one step (StepRowLevel + WM_APP_ROW_CHANGED + paint)", rowStep);
  std::printf("  full repaint / one step (medians): %.1f\n", fullRepaint.median / rowStep.median);
  return 0;
}
