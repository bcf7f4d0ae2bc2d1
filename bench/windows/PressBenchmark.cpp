// How long a press on a ">" step cell takes until the list and the total have
// repainted, against a bare redraw of one row, with a 1,000-row plan under
// Wine. The press is real input: a posted WM_LBUTTONDOWN on the cell's image.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/SyntheticDataFile.h"
#include "skilllist/ColumnTable.h"
#include "tests/core/DataFileScratch.h"
#include "tests/skilllist/ListHost.h"

namespace {

constexpr int kRows = 1000;
constexpr int kRuns = 300;
// A masterable skill in the first screen of rows, kept between two levels
// above 0 so that each step changes that row only.
constexpr int kSteppedRow = 5;
constexpr int kLowLevel = 5;

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

struct Figures {
  double median;
  double percentile95;
};

// Times `measured` in each run; `settle` runs untimed after it.
Figures Measure(const std::function<void()>& measured, const std::function<void()>& settle) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    PumpMessages();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    measured();
    QueryPerformanceCounter(&end);
    times.push_back(Microseconds(end.QuadPart - start.QuadPart));
    settle();
  }
  std::sort(times.begin(), times.end());
  return {times[kRuns / 2], times[kRuns * 95 / 100]};
}

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

void Print(const char* what, const Figures& figures) {
  std::printf("  %-58s median %8.1f us   95th %8.1f us\n", what, figures.median,
              figures.percentile95);
}

}  // namespace

int main() {
  ScratchFolder folder;
  SyntheticDataFile::Write((folder.path / "vexa.dat").string(), kRows,
                           SyntheticDataFile::Links::Sparse);
  GameDatabase plan;
  bool loaded = false;
  {
    WorkingDirectory inFolder(folder.path);
    loaded = plan.load();
  }
  if (!loaded || !plan.BuildPlan(SyntheticDataFile::kEveryRowCode) || plan.RowCount() != kRows) {
    std::fprintf(stderr, "bench_press: the %d-row plan could not be built\n", kRows);
    return 1;
  }
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
      [&] {
        Input(list, WM_LBUTTONDOWN, up);
        repaint();
      },
      releaseAndLower);
  Input(list, WM_LBUTTONDOWN, up);
  const Figures release = Measure(
      [&] {
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
  const Figures bareRow = Measure(
      [&] {
        SendMessageA(list, LVM_REDRAWITEMS, kSteppedRow, kSteppedRow);
        UpdateWindow(list);
      },
      [] {});

  std::printf("skill list, %d rows, %d runs each\n", kRows, kRuns);
  Print("press \">\" until list and total repainted", press);
  Print("release \">\" (worker stopped and joined), list repainted", release);
  Print("bare one-row redraw (LVM_REDRAWITEMS + UpdateWindow)", bareRow);
  return 0;
}
