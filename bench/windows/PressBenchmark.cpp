// How long a press on a ">" step cell takes until the list and the total have
// repainted, against a bare redraw of one row, with a 1,000-row plan under
// Wine. The press is real input: a posted WM_LBUTTONDOWN on the cell's image.

#include "bench/windows/ListBenchmark.h"
#include "skilllist/ColumnTable.h"

using namespace listbench;

namespace {

LPARAM ImagePoint(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  return MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2);
}

// Posts the message and handles everything waiting, painting included.
void Input(HWND list, UINT msg, LPARAM point) {
  PostMessageA(list, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
  PumpMessages();
}

}  // namespace

int main() {
  GameDatabase plan;
  if (!BuildPlan(plan, "bench_press")) return 1;
  HeaderListView header;
  SkillListView skills;
  ListHost host(header, skills, plan);
  HWND list = host.SkillList();
  HWND total = host.Total();
  ChangeList changes;
  for (int level = 0; level < kLowLevel; ++level) plan.StepRowLevel(kSteppedRow, Up, changes);
  skills.RefreshRows();
  host.Show();

  const LPARAM up = ImagePoint(list, kSteppedRow, kColumnFirstStep + Up);
  const LPARAM down = ImagePoint(list, kSteppedRow, kColumnFirstStep + Down);
  const auto repaint = [&] {
    UpdateWindow(list);
    UpdateWindow(total);
  };
  // Releases ">" and lowers the row again with "<", so every timed press steps.
  const auto releaseAndLower = [&] {
    Input(list, WM_LBUTTONUP, up);
    Input(list, WM_LBUTTONDOWN, down);
    Input(list, WM_LBUTTONUP, down);
    repaint();
  };

  const Figures press = Measure(
      [&](int) {
        Input(list, WM_LBUTTONDOWN, up);
        repaint();
      },
      releaseAndLower);
  Input(list, WM_LBUTTONDOWN, up);
  const Figures release = Measure(
      [&](int) {
        Input(list, WM_LBUTTONUP, up);
        repaint();
      },
      [&] {
        Input(list, WM_LBUTTONDOWN, down);
        Input(list, WM_LBUTTONUP, down);
        repaint();
        Input(list, WM_LBUTTONDOWN, up);
      });
  Input(list, WM_LBUTTONUP, up);
  const Figures bareRow = Measure([&](int) {
    SendMessageA(list, LVM_REDRAWITEMS, kSteppedRow, kSteppedRow);
    UpdateWindow(list);
  });

  std::printf("skill list, %d rows, %d runs each\n", kRows, kRuns);
  Print("press \">\" until list and total repainted", press);
  Print("release \">\" (worker stopped and joined), list repainted", release);
  Print("bare one-row redraw (LVM_REDRAWITEMS + UpdateWindow)", bareRow);
  return 0;
}
