// Feeds arbitrary bytes to the database as its data file, then builds the plan
// of every character type and steps its rows, so that whatever the reader
// stores also goes through the plan rules. The data file checker reads the same
// bytes and must refuse exactly what the program refuses.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzCheck.h"
#include "harness/ScratchFolder.h"
#include "plan/ClampedInt.h"
#include "plan/GameDatabase.h"
#include "vexacheck/DataFileCheck.h"

namespace {

constexpr JobCode kAllAttributes = 0x7F0000;
constexpr JobCode kRankTwoS = 0x2300;
constexpr JobCode kRankTwoH = 0x1300;
constexpr JobCode kNoTypePair = 0x30;
constexpr int kTypeCountToBuild = 8;
// Enough rows to reach every list of a small input while keeping runs fast.
constexpr int kRowsToStep = 64;
constexpr LevelOp kStepSequence[] = {Up, Max, Down, Up, Zero};

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

// The code the main window would build for a type, with every attribute set
// so that all of the type's skill lists take part.
JobCode TypeCode(int type, JobCode rank) {
  const JobCode pair = JobCode{0x10} << (type / 2);
  const JobCode member = type % 2 == 0 ? 2 : 1;
  return pair | member | rank | kAllAttributes;
}

// Findings in line order, each within the file, and the status that the load earns.
void CheckFindings(const CheckResult& result, bool loaded, const std::uint8_t* data,
                   std::size_t size) {
  const auto lines = static_cast<int>(std::count(data, data + size, '\n')) + 1;
  int previous = 0;
  for (const Finding& finding : result.findings) {
    FUZZ_CHECK(finding.line >= previous && finding.line <= lines);
    FUZZ_CHECK(!finding.message.empty());
    previous = finding.line;
  }
  FUZZ_CHECK(result.refused == !loaded);
  FUZZ_CHECK(result.ExitStatus() == (!loaded ? 2 : result.findings.empty() ? 0 : 1));
}

void CheckTotal(const GameDatabase& database) {
  std::int64_t sum = 0;
  for (int row = 0; row < database.RowCount(); ++row) {
    const int points = database.RowPoints(row);
    FUZZ_CHECK(points >= 0);
    sum += points;
  }
  FUZZ_CHECK(database.TotalPoints() == ClampToInt32(sum));
}

void ExercisePlan(GameDatabase& database, JobCode code) {
  FUZZ_CHECK(database.BuildPlan(code));
  FUZZ_CHECK(database.GetJobCode() == code);
  ChangeList changes;
  const int rows = database.RowCount() < kRowsToStep ? database.RowCount() : kRowsToStep;
  for (int row = 0; row < rows; ++row) {
    for (LevelOp op : kStepSequence) {
      FUZZ_CHECK(database.StepRowLevel(row, op, changes) >= 0);
      FUZZ_CHECK(!changes.empty());
    }
    SkillEntry entry;
    FUZZ_CHECK(database.CopyRowEntry(row, entry));
    FUZZ_CHECK(entry.level == 0);  // the last step was Zero, which only clears
  }
  CheckTotal(database);
  database.ResetLevels();
  FUZZ_CHECK(database.TotalPoints() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Scratch();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Scratch().Write("vexa.dat", std::string_view(reinterpret_cast<const char*>(data), size));
  GameDatabase database;
  // A failed read keeps what came before the bad header, so plan from it anyway.
  const bool loaded = LoadDatabaseFrom(Scratch(), database);
  CheckFindings(CheckDataFile(Scratch().PathOf("vexa.dat")), loaded, data, size);
  for (int type = 0; type < kTypeCountToBuild; ++type) {
    ExercisePlan(database, TypeCode(type, kRankTwoS));
    ExercisePlan(database, TypeCode(type, kRankTwoH));
  }
  const JobCode previous = database.GetJobCode();
  FUZZ_CHECK(!database.BuildPlan(kNoTypePair));
  FUZZ_CHECK(database.RowCount() == 0 && database.TotalPoints() == 0);
  FUZZ_CHECK(database.GetJobCode() == previous);
  return 0;
}
