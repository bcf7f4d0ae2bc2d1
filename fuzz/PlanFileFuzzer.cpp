// Feeds arbitrary bytes to the plan file reader, and loads them as a plan of
// a small fixed data file. Beside crashes it checks what a user relies on: a
// file that does not read leaves the plan untouched, a plan that was loaded
// saves to a file that loads back to the same plan, a paste of the same
// bytes is all or nothing, and undo goes back past the load.
#include <JapaneseText.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "harness/ScratchFolder.h"
#include "plan/GameDatabase.h"
#include "plan/PlanFile.h"

namespace {

constexpr char kInputFile[] = "input.vx3";
constexpr char kBeforeFile[] = "before.vx3";
constexpr char kAfterFile[] = "after.vx3";
constexpr char kSavedFile[] = "saved.vx3";
constexpr char kResavedFile[] = "resaved.vx3";
constexpr JobCode kBunnyRankTwoH = 0x1312;

// Bunny and buffalo with prerequisite chains, a masterable and a one-level
// skill in each block and a prerequisite that has no row in the buffalo plan.
// No cycles, no shared keys and no required level above a maximum: every
// plan reached by steps is then one that saving and loading reproduces.
std::string FixedDataFile() {
  const std::string colon = kDataFullWidthColon;
  auto header = [](const std::string& name) { return "[" + name + "]\r\n"; };
  return header(kDataSectionAttackBasic) +
         "a1 Slash 1 1 5 -\r\n"
         "a2 Guard 3 2 - -\r\n"
         "a3 Rush 5 3 4 Ore:2 a1:3\r\n" +
         header(kTypeGlyphBunny + colon + kDataRankFirst) +
         "b1 Hop 20 2 6 Carrot:1 a1:5 a2:1\r\n"
         "b2 Kick 25 3 - - b1:2\r\n"
         "b3 Dash 30 2 3 - b2:1 a3:4\r\n" +
         header(kTypeGlyphBunny + colon + kDataRankSecond) +
         "c1 Storm 60 5 9 Gem:3 b3:2 b1:11\r\n"
         "c2 Moon 70 1 - - c1:1\r\n" +
         header(kTypeGlyphBuffalo + colon + kDataRankFirst) +
         "d1 Horn 20 4 2 Bell:1 a3:1\r\n"
         "d2 Stomp 22 1 - - d1:3 b1:1\r\n";
}

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

// A plan with some levels set, so that an untouched plan is told from a reset
// one; made in one undo step.
void StartPlan(GameDatabase& database) {
  FUZZ_CHECK(LoadDatabaseFrom(Scratch(), database));
  database.BeginStep();
  FUZZ_CHECK(database.BuildPlan(kBunnyRankTwoH));
  ChangeList changes;
  database.StepRowLevel(database.RowCount() - 1, Max, changes);
  database.StepRowLevel(1, Up, changes);
  database.EndStep();
}

void CheckSaveLoadRoundTrip(GameDatabase& loaded) {
  if (!loaded.SavePlan(Scratch().PathOf(kSavedFile).c_str())) {
    FUZZ_CHECK(loaded.RowCount() == 0);
    return;
  }
  GameDatabase reloaded;
  FUZZ_CHECK(LoadDatabaseFrom(Scratch(), reloaded));
  FUZZ_CHECK(reloaded.LoadPlan(Scratch().PathOf(kSavedFile).c_str()));
  FUZZ_CHECK(reloaded.GetJobCode() == loaded.GetJobCode());
  FUZZ_CHECK(reloaded.TotalPoints() == loaded.TotalPoints());
  FUZZ_CHECK(reloaded.SavePlan(Scratch().PathOf(kResavedFile).c_str()));
  FUZZ_CHECK(Scratch().Read(kResavedFile) == Scratch().Read(kSavedFile));
}

// A paste is all or nothing: refused, the plan and its history stay as they
// were; a text that loads whole as a file pastes to the same plan.
void CheckPaste(std::string_view text, bool loaded, const std::string& loadedPlan) {
  GameDatabase database;
  StartPlan(database);
  const std::string before = database.PlanFileText();
  const std::size_t history = database.HistoryBytes();
  const bool pasted = database.PastePlan(text);
  if (!pasted) FUZZ_CHECK(database.PlanFileText() == before && database.HistoryBytes() == history);
  if (loaded && text.size() <= GameDatabase::kPasteLimit)
    FUZZ_CHECK(pasted && database.PlanFileText() == loadedPlan);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string data = FixedDataFile();
  Scratch().Write("vexa.dat", data);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Scratch().Write(kInputFile, text);
  JobCode code = 0;
  std::vector<PlanRecord> records;
  const bool readable = ParsePlanText(text, code, records);

  GameDatabase database;
  StartPlan(database);
  FUZZ_CHECK(database.SavePlan(Scratch().PathOf(kBeforeFile).c_str()));
  const bool loaded = database.LoadPlan(Scratch().PathOf(kInputFile).c_str());
  CheckPaste(text, loaded, database.PlanFileText());
  if (!readable) {
    FUZZ_CHECK(!loaded);
    FUZZ_CHECK(database.SavePlan(Scratch().PathOf(kAfterFile).c_str()));
    FUZZ_CHECK(Scratch().Read(kAfterFile) == Scratch().Read(kBeforeFile));
  }
  CheckSaveLoadRoundTrip(database);
  // Whatever the load did is undone with the start; redoing the start brings
  // back the plan saved before the load.
  while (database.Undo()) {
  }
  FUZZ_CHECK(database.GetJobCode() == 0 && database.RowCount() == 0);
  FUZZ_CHECK(database.Redo());
  FUZZ_CHECK(database.SavePlan(Scratch().PathOf(kAfterFile).c_str()));
  FUZZ_CHECK(Scratch().Read(kAfterFile) == Scratch().Read(kBeforeFile));
  return 0;
}
