// How long the skill list takes to repaint in full, against redrawing the one
// row that a level step touched, with a 1,000-row plan under Wine.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/SyntheticDataFile.h"
#include "tests/core/DataFileScratch.h"
#include "tests/skilllist/ListHost.h"

namespace {

constexpr int kRows = 1000;
constexpr int kRuns = 300;
// A masterable skill in the first screen of rows, stepped between two levels
// above 0 so that each step changes that row only.
constexpr int kSteppedRow = 5;
constexpr int kLowLevel = 5;

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Median time of one run; pending messages are handled between runs, untimed.
double MedianMicroseconds(const std::function<void(int)>& run) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    PumpMessages();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    run(i);
    QueryPerformanceCounter(&end);
    times.push_back(Microseconds(end.QuadPart - start.QuadPart));
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

void SendRowChanges(HWND list, const ChangeList& changes) {
  for (int row : changes) SendMessageA(list, WM_APP_ROW_CHANGED, 0, row);
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
    std::fprintf(stderr, "bench_skilllist: the %d-row plan could not be built\n", kRows);
    return 1;
  }
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

  const double fullRepaint = MedianMicroseconds([list](int) {
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
  });
  const double rowStep = MedianMicroseconds([&](int run) {
    plan.StepRowLevel(kSteppedRow, run % 2 == 0 ? Up : Down, changes);
    SendRowChanges(list, changes);
    UpdateWindow(list);
  });

  std::printf("skill list, %d rows, median of %d runs\n", kRows, kRuns);
  std::printf("  full repaint (InvalidateRect + UpdateWindow):        %9.1f us\n", fullRepaint);
  std::printf("  one step (StepRowLevel + WM_APP_ROW_CHANGED + paint): %9.1f us\n", rowStep);
  std::printf("  full repaint / one step: %.1f\n", fullRepaint / rowStep);
  return 0;
}
