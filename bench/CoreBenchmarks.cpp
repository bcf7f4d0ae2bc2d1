// Speed of the portable core on data far larger than the game's: reading the
// data file, building and stepping the plan, totals, comparisons, plan files.
#include <benchmark/benchmark.h>
#include <time.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/SyntheticDataFile.h"
#include "data/DataFileReader.h"
#include "data/FileBytes.h"
#include "data/ReadLimits.h"
#include "data/TextUtil.h"
#include "harness/ScratchFolder.h"
#include "plan/GameDatabase.h"
#include "plan/PlanComparison.h"
#include "plan/SkillPlan.h"
#include "vexacheck/DataFileCheck.h"

namespace {

using Links = SyntheticDataFile::Links;

constexpr int kLoadLines = 200000;
constexpr int kPlanRows = 20000;
constexpr int kChainDepth = 100000;
constexpr JobCode kBunnyBasicCode = 0x112;  // the synthetic file's attack basic list alone

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

// The machine may be shared: compare readers by the processor time they take.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A database holding one synthetic file, with the plan of all its rows built.
std::unique_ptr<GameDatabase> LoadDatabase(int lines, Links links) {
  SyntheticDataFile::Write(Scratch().PathOf("vexa.dat"), lines, links);
  auto database = std::make_unique<GameDatabase>();
  if (!LoadDatabaseFrom(Scratch(), *database) ||
      !database->BuildPlan(SyntheticDataFile::kEveryRowCode) || database->RowCount() != lines) {
    return nullptr;
  }
  return database;
}

GameDatabase* PlanDatabase() {
  static const std::unique_ptr<GameDatabase> database = LoadDatabase(kPlanRows, Links::Sparse);
  return database.get();
}

GameDatabase* ChainDatabase() {
  static const std::unique_ptr<GameDatabase> database = LoadDatabase(kChainDepth, Links::Chain);
  return database.get();
}

// Each benchmark starts from the same plan: every row built again at level 0.
GameDatabase* FreshPlan(benchmark::State& state, GameDatabase* database) {
  if (database == nullptr) {
    state.SkipWithError("the synthetic data file did not load as written");
    return nullptr;
  }
  database->BuildPlan(SyntheticDataFile::kEveryRowCode);
  return database;
}

// Some levels set, so that plan files and totals carry real numbers.
void SetSomeLevels(GameDatabase& database) {
  ChangeList changes;
  for (int row = 0; row < database.RowCount(); row += 3) database.StepRowLevel(row, Up, changes);
}

// The tables a reader fills, apart from any database.
struct DataTables {
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;

  std::size_t SkillCount() const {
    std::size_t count = 0;
    for (const SkillList& list : skillLists) count += list.size();
    return count;
  }
};

// The least any line reader must do: every line of the file into one string.
double SecondsOfBareRead(const std::string& path) {
  const double start = ThreadSeconds();
  std::string text;
  ReadFileBytes(path, text, kDataFileLimit);
  LineCutter lines(text);
  std::string_view line;
  std::size_t bytes = 0;
  while (lines.Next(line)) bytes += line.size();
  benchmark::DoNotOptimize(bytes);
  return ThreadSeconds() - start;
}

// The time a way of reading the synthetic file took over all iterations.
struct ReadingTime {
  const char* counter;
  double seconds;
};

// Lines per second of two readings of the file in the same iterations, and
// the first one's time over the second's.
void SetLineRates(benchmark::State& state, ReadingTime measured, ReadingTime reference,
                  const char* ratioCounter) {
  if (measured.seconds == 0 || reference.seconds == 0) return;
  const double lines = static_cast<double>(kLoadLines) * static_cast<double>(state.iterations());
  state.counters[measured.counter] = lines / measured.seconds;
  state.counters[reference.counter] = lines / reference.seconds;
  state.counters[ratioCounter] = measured.seconds / reference.seconds;
}

// Lines per second of the reader, and its time over a bare line-by-line read
// of the same file, measured in the same iterations.
void BM_ReadDataFile(benchmark::State& state) {
  const std::string path = Scratch().PathOf("load.dat");
  SyntheticDataFile::Write(path, kLoadLines, Links::Sparse);
  double readerSeconds = 0;
  double bareSeconds = 0;
  for (auto _ : state) {
    auto tables = std::make_unique<DataTables>();
    const double start = ThreadSeconds();
    DataFileReader reader;
    reader.setTypeNames(tables->typeNames);
    reader.setJobNames(tables->jobNames);
    reader.setSkillLists(tables->skillLists);
    const bool read = reader.readFile(path);
    readerSeconds += ThreadSeconds() - start;

    state.PauseTiming();
    if (!read || tables->SkillCount() != kLoadLines) {
      state.SkipWithError("the reader did not store every skill line");
      break;
    }
    tables.reset();
    bareSeconds += SecondsOfBareRead(path);
    state.ResumeTiming();
  }
  SetLineRates(state, {"lines_per_s", readerSeconds}, {"bare_lines_per_s", bareSeconds},
               "times_bare_read");
}
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);

// The data file checker against the program's load of the same file, in the
// same iterations: times_load is the checker's time over the load's. The load
// is timed as start-up has it, without the tables' teardown; the checker's time
// includes its own.
void BM_CheckDataFile(benchmark::State& state) {
  SyntheticDataFile::Write(Scratch().PathOf("vexa.dat"), kLoadLines, Links::Sparse);
  const std::string path = Scratch().PathOf("vexa.dat");
  double checkSeconds = 0;
  double loadSeconds = 0;
  for (auto _ : state) {
    const double start = ThreadSeconds();
    const CheckResult result = CheckDataFile(path);
    checkSeconds += ThreadSeconds() - start;

    state.PauseTiming();
    auto database = std::make_unique<GameDatabase>();
    const double loadStart = ThreadSeconds();
    const bool loaded = LoadDatabaseFrom(Scratch(), *database);
    loadSeconds += ThreadSeconds() - loadStart;
    database.reset();
    if (!loaded || result.refused) {
      state.SkipWithError("the synthetic data file did not load");
      break;
    }
    state.counters["findings"] = static_cast<double>(result.findings.size());
    state.ResumeTiming();
  }
  SetLineRates(state, {"check_lines_per_s", checkSeconds}, {"load_lines_per_s", loadSeconds},
               "times_load");
}
BENCHMARK(BM_CheckDataFile)->Unit(benchmark::kMillisecond);

void BM_BuildPlan(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  for (auto _ : state) database->BuildPlan(SyntheticDataFile::kEveryRowCode);
  state.counters["rows_per_s"] = benchmark::Counter(static_cast<double>(kPlanRows),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BuildPlan)->Unit(benchmark::kMillisecond);

// ">" on the end of the chain: every skill before it is raised.
void BM_StepUpChain(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, ChainDatabase());
  if (database == nullptr) return;
  ChangeList changes;
  for (auto _ : state) {
    state.PauseTiming();
    database->ResetLevels();
    state.ResumeTiming();
    database->StepRowLevel(kChainDepth - 1, Up, changes);
  }
  if (changes.size() != kChainDepth) state.SkipWithError("the step did not raise the whole chain");
}
BENCHMARK(BM_StepUpChain)->Unit(benchmark::kMillisecond);

// "<" on the start of the chain: every skill after it is cleared.
void BM_StepDownChain(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, ChainDatabase());
  if (database == nullptr) return;
  ChangeList changes;
  for (auto _ : state) {
    state.PauseTiming();
    database->StepRowLevel(kChainDepth - 1, Up, changes);
    state.ResumeTiming();
    database->StepRowLevel(0, Down, changes);
  }
  if (changes.size() != kChainDepth) state.SkipWithError("the step did not clear the whole chain");
}
BENCHMARK(BM_StepDownChain)->Unit(benchmark::kMillisecond);

// The total after every change, as the skill list asks for it; the change is
// one step of the last row, which nothing requires.
void BM_TotalPointsAfterChange(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  SetSomeLevels(*database);
  ChangeList changes;
  bool up = true;
  for (auto _ : state) {
    database->StepRowLevel(kPlanRows - 1, up ? Up : Down, changes);
    up = !up;
    benchmark::DoNotOptimize(database->TotalPoints());
  }
}
BENCHMARK(BM_TotalPointsAfterChange)->Unit(benchmark::kMicrosecond);

void BM_TotalPointsCached(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  SetSomeLevels(*database);
  for (auto _ : state) benchmark::DoNotOptimize(database->TotalPoints());
}
BENCHMARK(BM_TotalPointsCached);

// The overview dialog's figures for a plan whose every skill is mastered, so
// that every item-bearing row counts.
void BM_PlanOverview(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  ChangeList changes;
  for (int row = 0; row < database->RowCount(); ++row) database->StepRowLevel(row, Max, changes);
  for (auto _ : state) {
    const PlanOverview overview = database->Overview();
    if (overview.masteredCount != kPlanRows) {
      state.SkipWithError("not every skill was mastered");
      break;
    }
  }
  state.counters["rows_per_s"] = benchmark::Counter(static_cast<double>(kPlanRows),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PlanOverview)->Unit(benchmark::kMillisecond);

// The plan with every third row raised against one whose every other row is
// mastered, given as the saved plan (argument 0: built from its levels) or as
// pasted plan text (1: the text read, the plan built and replayed as a paste
// would), each compared by key with the current plan.
void BM_ComparePlans(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  ChangeList changes;
  for (int row = 0; row < database->RowCount(); row += 2) database->StepRowLevel(row, Max, changes);
  const std::string other = database->PlanFileText();
  if (!database->SavePlan(Scratch().PathOf("compared.vx3").c_str())) {
    state.SkipWithError("the plan was not saved");
    return;
  }
  database->ResetLevels();
  SetSomeLevels(*database);
  const bool pasted = state.range(0) == 1;
  PlanComparison comparison;
  for (auto _ : state) {
    bool compared = true;
    if (pasted)
      compared = database->ComparePastedPlan(other, comparison);
    else
      database->CompareSavedPlan(comparison);
    if (!compared || comparison.skills.empty()) {
      state.SkipWithError("the plans were not compared");
      break;
    }
  }
  state.counters["differing_rows"] = static_cast<double>(comparison.skills.size());
}
BENCHMARK(BM_ComparePlans)->ArgName("pasted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The comparison alone: two 20,000-row plans of the synthetic tables, built
// once (every third row raised in one, every other row mastered in the
// other), compared by key with both overviews.
void BM_CompareBuiltPlans(benchmark::State& state) {
  // Written again: other benchmarks leave files of other sizes under the same name.
  SyntheticDataFile::Write(Scratch().PathOf("vexa.dat"), kPlanRows, Links::Sparse);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(Scratch().path);
  GameTables tables;
  const bool loaded = tables.load();
  std::filesystem::current_path(previous);
  SkillPlan current(tables), other(tables);
  if (!loaded || !current.BuildPlan(SyntheticDataFile::kEveryRowCode) ||
      !other.BuildPlan(SyntheticDataFile::kEveryRowCode) || current.RowCount() != kPlanRows) {
    state.SkipWithError("the synthetic plans were not built");
    return;
  }
  ChangeList changes;
  for (int row = 0; row < kPlanRows; row += 3) current.StepRowLevel(row, Up, changes);
  for (int row = 0; row < kPlanRows; row += 2) other.StepRowLevel(row, Max, changes);
  PlanComparison comparison;
  for (auto _ : state) ComparePlans(current, other, tables, comparison);
  benchmark::DoNotOptimize(comparison);
  state.counters["rows_per_s"] =
      benchmark::Counter(2.0 * kPlanRows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CompareBuiltPlans)->Unit(benchmark::kMillisecond);

void BM_SavePlan(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  SetSomeLevels(*database);
  const std::string path = Scratch().PathOf("save.vx3");
  for (auto _ : state) {
    if (!database->SavePlan(path.c_str())) {
      state.SkipWithError("the plan was not saved");
      break;
    }
  }
  state.counters["rows_per_s"] = benchmark::Counter(static_cast<double>(kPlanRows),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SavePlan)->Unit(benchmark::kMillisecond);

void BM_LoadPlan(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return;
  SetSomeLevels(*database);
  const std::string path = Scratch().PathOf("load.vx3");
  const int total = database->TotalPoints();
  if (!database->SavePlan(path.c_str())) {
    state.SkipWithError("the plan was not saved");
    return;
  }
  for (auto _ : state) {
    if (!database->LoadPlan(path.c_str()) || database->TotalPoints() != total) {
      state.SkipWithError("the plan did not load back");
      break;
    }
  }
  state.counters["rows_per_s"] = benchmark::Counter(static_cast<double>(kPlanRows),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadPlan)->Unit(benchmark::kMillisecond);

// Every row of the plan mastered in one step, then the plan rebuilt for the
// bunny's basic job: the rebuild keeps 20,000 raised rows to bring back.
GameDatabase* RebuiltAwayFromMastered(benchmark::State& state) {
  GameDatabase* database = FreshPlan(state, PlanDatabase());
  if (database == nullptr) return nullptr;
  ChangeList changes;
  database->BeginStep();
  for (int row = 0; row < database->RowCount(); ++row) database->StepRowLevel(row, Max, changes);
  database->EndStep();
  database->BuildPlan(kBunnyBasicCode);
  return database;
}

// Undo of that rebuild (argument 0) or its redo (1), the other direction untimed.
void BM_UndoRedoRebuild(benchmark::State& state) {
  GameDatabase* database = RebuiltAwayFromMastered(state);
  if (database == nullptr) return;
  const bool redo = state.range(0) == 1;
  for (auto _ : state) {
    if (redo) state.PauseTiming();
    database->Undo();
    if (redo)
      state.ResumeTiming();
    else
      state.PauseTiming();
    database->Redo();
    if (!redo) state.ResumeTiming();
  }
  if (database->GetJobCode() != kBunnyBasicCode) state.SkipWithError("the rebuild was not redone");
}
BENCHMARK(BM_UndoRedoRebuild)->ArgName("redo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the history keeps after 1,000 single steps and 50 rebuilds of the
// 20,000-row plan, each rebuild away from a plan with a third of its rows
// raised in one step.
void BM_HistoryMemory(benchmark::State& state) {
  const std::unique_ptr<GameDatabase> database = LoadDatabase(kPlanRows, Links::Sparse);
  if (database == nullptr) {
    state.SkipWithError("the synthetic data file did not load as written");
    return;
  }
  ChangeList changes;
  for (auto _ : state) {
    for (int rebuild = 0; rebuild < 50; ++rebuild) {
      database->BuildPlan(rebuild % 2 ? kBunnyBasicCode : SyntheticDataFile::kEveryRowCode);
      database->BeginStep();
      SetSomeLevels(*database);
      database->EndStep();
    }
    for (int step = 0; step < 1000; ++step) database->StepRowLevel(step, Up, changes);
  }
  state.counters["history_bytes"] = static_cast<double>(database->HistoryBytes());
}
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
