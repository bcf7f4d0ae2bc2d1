// Arbitrary bytes as a plan file of a small fixed data file: a file that does not read leaves the
// plan untouched, a loaded plan saves and loads back the same, a paste is all or nothing, and undo
// goes back past the load.
#include <JapaneseText.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "harness/ScratchFolder.h"
#include "plan/GameDatabase.h"
#include "plan/PlanFile.h"

namespace {

// A plan with some levels set, so that an untouched plan is told from a reset one; made in one undo
// step.
void StartPlan(GameDatabase& database) {
  FUZZ_CHECK(LoadDatabaseFrom(RunScratchFolder(), database));
  database.BeginStep();
  FUZZ_CHECK(database.BuildPlan(0x1312));  // bunny, rank 2 (H)
  ChangeList changes;
  database.StepRowLevel(database.RowCount() - 1, Max, changes);
  database.StepRowLevel(1, Up, changes);
  database.EndStep();
}

std::string SavedText(GameDatabase& database, const char* name) {
  FUZZ_CHECK(database.SavePlan(RunScratchFolder().PathOf(name).c_str()));
  return RunScratchFolder().Read(name);
}

// True when a paste's tidying of blanks leaves the text as it is: no tab, no ideographic space, no
// run of spaces, no line that starts or ends with one.
bool HasOnlySingleInnerSpaces(std::string_view text) {
  if (text.find_first_of('\t') != std::string_view::npos ||
      text.find("\x81\x40") != std::string_view::npos || text.find("  ") != std::string_view::npos)
    return false;
  for (std::size_t at = text.find(' '); at != std::string_view::npos; at = text.find(' ', at + 1)) {
    const bool lineStart = at == 0 || text[at - 1] == '\n';
    const bool lineEnd = at + 1 == text.size() || text[at + 1] == '\n' || text[at + 1] == '\r';
    if (lineStart || lineEnd) return false;
  }
  return true;
}

}  // namespace

// Bunny and buffalo with prerequisite chains, masterable and one-level skills and a prerequisite
// without a row in the buffalo plan; no cycles, shared keys or required levels above a maximum, so
// saving and loading reproduce any plan.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string colon = kDataFullWidthColon;
  auto header = [](const std::string& name) { return "[" + name + "]\r\n"; };
  RunScratchFolder().Write("vexa.dat",
                           header(kDataSectionAttackBasic) +
                               "a1 Slash 1 1 5 -\r\na2 Guard 3 2 - -\r\n"
                               "a3 Rush 5 3 4 Ore:2 a1:3\r\n" +
                               header(kTypeGlyphBunny + colon + kDataRankFirst) +
                               "b1 Hop 20 2 6 Carrot:1 a1:5 a2:1\r\nb2 Kick 25 3 - - b1:2\r\n"
                               "b3 Dash 30 2 3 - b2:1 a3:4\r\n" +
                               header(kTypeGlyphBunny + colon + kDataRankSecond) +
                               "c1 Storm 60 5 9 Gem:3 b3:2 b1:11\r\nc2 Moon 70 1 - - c1:1\r\n" +
                               header(kTypeGlyphBuffalo + colon + kDataRankFirst) +
                               "d1 Horn 20 4 2 Bell:1 a3:1\r\nd2 Stomp 22 1 - - d1:3 b1:1\r\n");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  JobCode code = 0;
  std::vector<PlanRecord> records;
  const bool readable = ParsePlanText(text, code, records);

  GameDatabase database;
  StartPlan(database);
  const std::string before = SavedText(database, "before.vx3");
  const bool loaded = database.LoadPlan(RunScratchFolder().Write("input.vx3", text).c_str());
  if (!readable) FUZZ_CHECK(!loaded && SavedText(database, "after.vx3") == before);

  // A paste is all or nothing: refused, the plan and its history stay as they were; a text that
  // loads whole as a file pastes to the same plan, unless the paste's tidying of blanks changed it.
  GameDatabase pasting;
  StartPlan(pasting);
  const std::size_t history = pasting.HistoryBytes();
  const bool pasted = pasting.PastePlan(text);
  if (!pasted) FUZZ_CHECK(pasting.PlanFileText() == before && pasting.HistoryBytes() == history);
  if (loaded && size <= GameDatabase::kPasteLimit && HasOnlySingleInnerSpaces(text))
    FUZZ_CHECK(pasted && pasting.PlanFileText() == database.PlanFileText());

  // What was loaded saves, loads back and saves again to the same bytes.
  if (database.RowCount() == 0) {
    FUZZ_CHECK(!database.SavePlan(RunScratchFolder().PathOf("saved.vx3").c_str()));
  } else {
    const std::string saved = SavedText(database, "saved.vx3");
    GameDatabase reloaded;
    FUZZ_CHECK(LoadDatabaseFrom(RunScratchFolder(), reloaded));
    FUZZ_CHECK(reloaded.LoadPlan(RunScratchFolder().PathOf("saved.vx3").c_str()));
    FUZZ_CHECK(SavedText(reloaded, "resaved.vx3") == saved && saved == database.PlanFileText());
  }
  // Undo goes back past the load and the start; redoing the start brings back its plan.
  while (database.Undo()) continue;
  FUZZ_CHECK(database.GetJobCode() == 0 && database.RowCount() == 0);
  FUZZ_CHECK(database.Redo() && SavedText(database, "after.vx3") == before);
  return 0;
}
