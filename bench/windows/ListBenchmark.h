#pragma once

// What the skill list benchmarks share: a hosted 1,000-row plan and a timer
// that reports the median and the 95th percentile of many runs.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/SyntheticDataFile.h"
#include "harness/ListHost.h"
#include "harness/ScratchFolder.h"

namespace listbench {

constexpr int kRows = 1000;
constexpr int kRuns = 300;
// A masterable skill in the first screen of rows, kept between two levels
// above 0 so that each step changes that row only.
constexpr int kSteppedRow = 5;
constexpr int kLowLevel = 5;

struct Figures {
  double median;
  double percentile95;
};

inline double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Times `measured` in each of `runs` runs; pending messages are handled
// before it and `settle` runs after it, both untimed.
inline Figures Measure(
    const std::function<void(int)>& measured, const std::function<void()>& settle = [] {},
    int runs = kRuns) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    PumpMessages();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    measured(run);
    QueryPerformanceCounter(&end);
    times.push_back(Microseconds(end.QuadPart - start.QuadPart));
    settle();
  }
  std::sort(times.begin(), times.end());
  return {times[runs / 2], times[runs * 95 / 100]};
}

inline void Print(const char* what, const Figures& figures) {
  std::printf("  %-58s median %8.1f us   95th %8.1f us\n", what, figures.median,
              figures.percentile95);
}

// Loads a generated data file of kRows skills and builds the plan of every row.
inline bool BuildPlan(GameDatabase& plan, const char* benchmark) {
  ScratchFolder folder;
  SyntheticDataFile::Write(folder.PathOf("vexa.dat"), kRows, SyntheticDataFile::Links::Sparse);
  if (LoadDatabaseFrom(folder, plan) && plan.BuildPlan(SyntheticDataFile::kEveryRowCode) &&
      plan.RowCount() == kRows) {
    return true;
  }
  std::fprintf(stderr, "%s: the %d-row plan could not be built\n", benchmark, kRows);
  return false;
}

}  // namespace listbench
