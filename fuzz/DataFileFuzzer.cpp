// Arbitrary bytes as the data file: whatever the reader stores goes through the
// plan rules of every type, and the checker refuses exactly what the program does.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzCheck.h"
#include "harness/ScratchFolder.h"
#include "plan/ClampedInt.h"
#include "plan/GameDatabase.h"
#include "vexacheck/DataFileCheck.h"

namespace {

// Steps the first rows of the code's plan (all of a small input) through every
// step, Zero only clearing, and checks the cached total against the rows.
void ExercisePlan(GameDatabase& database, JobCode code) {
  FUZZ_CHECK(database.BuildPlan(code) && database.GetJobCode() == code);
  ChangeList changes;
  SkillEntry entry;
  for (int row = 0; row < std::min(database.RowCount(), 64); ++row) {
    for (LevelOp op : {Up, Max, Down, Up, Zero})
      FUZZ_CHECK(database.StepRowLevel(row, op, changes) >= 0 && !changes.empty());
    FUZZ_CHECK(database.CopyRowEntry(row, entry) && entry.level == 0);
  }
  std::int64_t sum = 0;
  for (int row = 0; row < database.RowCount(); ++row) {
    FUZZ_CHECK(database.RowPoints(row) >= 0);
    sum += database.RowPoints(row);
  }
  FUZZ_CHECK(database.TotalPoints() == ClampToInt32(sum));
  database.ResetLevels();
  FUZZ_CHECK(database.TotalPoints() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunScratchFolder().Write("vexa.dat", std::string_view(reinterpret_cast<const char*>(data), size));
  GameDatabase database;
  // A failed read keeps what came before the bad header, so plan from it anyway.
  const bool loaded = LoadDatabaseFrom(RunScratchFolder(), database);

  // Findings in line order, each within the file, and the status the load earns.
  const CheckResult result = CheckDataFile(RunScratchFolder().PathOf("vexa.dat"));
  const auto lines = static_cast<int>(std::count(data, data + size, '\n')) + 1;
  int previous = 0;
  for (const Finding& finding : result.findings) {
    FUZZ_CHECK(finding.line >= previous && finding.line <= lines && !finding.message.empty());
    previous = finding.line;
  }
  FUZZ_CHECK(result.refused == !loaded);
  FUZZ_CHECK(result.ExitStatus() == (!loaded ? 2 : result.findings.empty() ? 0 : 1));

  // Every type with both rank-2 jobs and all attributes: all its skill lists take part.
  for (int type = 0; type < 8; ++type) {
    const JobCode typeCode = (JobCode{0x10} << (type / 2)) | (type % 2 == 0 ? 2 : 1) | 0x7F0000;
    for (JobCode rank : {0x2300u, 0x1300u}) ExercisePlan(database, typeCode | rank);
  }
  return 0;
}
