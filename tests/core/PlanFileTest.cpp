// Plan files, pastes and the undo history, on one small plan.
#include <filesystem>
#include <tuple>

#include "data/ReadLimits.h"
#include "tests/core/PlanTestData.h"

namespace {

using Levels = std::vector<int>;
using State = std::pair<JobCode, Levels>;
constexpr int kMax = 2147483647;

class PlanFileTest : public ::testing::Test {
 protected:
  // Bunny's basic list holds a (masterable), b (one level), c (needs a at 2),
  // y (masterable) and x (needs y far above its maximum); its rank-1 list holds r1.
  void SetUp() override {
    ASSERT_TRUE(LoadDataLines(
        database, folder,
        {AttackBasicHeader(), "a n 1 2 5 -", "b n 1 1 - -", "c n 1 1 3 - a:2", "y n 1 1 5 -",
         "x n 1 1 - - y:2147483647", RankHeader(kTypeGlyphBunny, kDataRankFirst), "r1 n 1 1 4 -"}));
  }
  void Steps(const std::string& steps) { ::Steps(database, steps); }
  std::string Write(const std::string& bytes) const { return folder.Write("plan.vx3", bytes); }
  // The code and every row's level: what a load sets and undo brings back.
  State Now() const { return {database.GetJobCode(), RowLevels(database)}; }

  ScratchFolder folder;
  GameDatabase database;
};

// Upper-case hex, CR LF on every line, written over an existing file with a
// Japanese name through a temporary file that is gone afterwards; a copy
// puts the same bytes; keys of any length are written whole.
TEST_F(PlanFileTest, SaveWritesCrLfLinesThatLoadBack) {
  ASSERT_TRUE(database.BuildPlan(0x8000031E));  // unused bits 2, 3 and 31 set
  Steps("c+ a* r1+ r1+ r1+ r1+ b+");            // c raises a to 2
  const std::string path = folder.Write(kPlanTestFileName, "an older, longer plan file");
  ASSERT_TRUE(database.SavePlan(path.c_str()));
  const std::string text = CrLfLines({"job 8000031E", "skill a 11", "skill b 1", "skill c 1",
                                      "skill y 0", "skill x 0", "skill r1 4"});
  EXPECT_EQ(text, folder.Read(kPlanTestFileName));
  EXPECT_EQ(text, database.PlanFileText());
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic) && database.LoadPlan(path.c_str()));
  EXPECT_EQ(State(0x8000031E, {11, 1, 1, 0, 0, 4}), Now());

  const std::string longKey(3000, 'k');
  ASSERT_TRUE(LoadDataLines(database, folder, {AttackBasicHeader(), longKey + " n 1 1 - -"}));
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  Steps(longKey + "+");
  EXPECT_EQ("job 112\r\nskill " + longKey + " 1\r\n", database.PlanFileText());
}

// Records replay from the last; huge saved levels end at the bounds in bounded
// work; an unknown key fails after the rebuild and the later records.
TEST_F(PlanFileTest, LoadRebuildsAndReplaysEveryRecordFromTheLast) {
  const std::tuple<State, bool, std::string> cases[] = {
      // The job line is an unsigned 32-bit hex value: a minus sign negates modulo 2^32.
      {{0x31E, {4, 0, 0, 0, 0, 2}}, true, "job 0x31e\nskill a 4\nskill r1 2"},
      {{0x312, {0, 0, 0, 0, 0, 2}}, true, "job -FFFFFCEE\r\nskill r1 2\r\n"},
      {{0x312, {11, 1, 0, 0, 0, 11}},
       true,
       "job 312\r\nskill a 2147483647\r\nskill b 11\r\nskill c -2147483648\r\nskill r1 15\r\n"},
      // c raised a, whose lowering cleared c.
      {{0x112, {0, 0, 0, 0, 0}},
       true,
       "job 112\r\nskill a 4294967294\r\nskill b 4294967295\r\nskill c 3\r\n"},
      {{0x112, {0, 0, 0, 3, 0}}, true, "job 112\r\nskill y 3\r\nskill x 1\r\n"},
      {{0x112, {0, 0, 0, 0, 0}}, true, "job 112\r\nskill y -2147483648\r\nskill x 1\r\n"},
      {{0x112, {0, 0, 0, kMax, 1}}, true, "job 112\r\nskill y 2147483647\r\nskill x 1\r\n"},
      {{0x312, {0, 0, 0, 0, 0, 3}}, false, "job 312\r\nskill a 2\r\nskill gone 1\r\nskill r1 3"}};
  for (const auto& [state, loads, bytes] : cases) {
    bool rebuilt = false;  // every file here reads, so the plan is rebuilt
    EXPECT_TRUE(database.LoadPlan(Write(bytes).c_str(), rebuilt) == loads && rebuilt) << bytes;
    EXPECT_EQ(state, Now()) << bytes;
  }
}

// A text that is no plan or names no type is refused by a load and a paste,
// leaving the plan and its undo and redo steps; a paste is all or nothing. A
// plan file one byte over kPlanFileLimit is refused by its size alone. A
// comparison refuses what a paste or a load refuses and takes what they take.
TEST_F(PlanFileTest, RefusedTextLeavesThePlanAndItsStepsUntouched) {
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  Steps("c+ b+");
  ASSERT_TRUE(database.Undo());  // a redo step, which a refusal keeps
  const std::string jobLine = "job 112\r\n";
  const std::string atLimit =
      jobLine + std::string(GameDatabase::kPasteLimit - jobLine.size(), ' ');
  // One line, so that only its size refuses it.
  const std::string overFileLimit = "job 312" + std::string(kPlanFileLimit - 6, ' ');
  const std::pair<std::string, bool> refused[] = {
      // the text, and whether a load refuses it too
      {"", true},
      {" \r\n\t\r\n", true},
      {"skill a 1\r\njob 312\r\n", true},
      {"job 312\r\nskill a 1\r\n\r\nskill b 1\r\n", true},
      {"job 312\r\nskill a 1\r\n \x81\x40\t\r\nskill b 1\r\n", true},  // a blank line within
      {"job 312\r\njob 312\r\n", true},
      {"job 312\r\nskill a\r\n", true},
      {"JOB 312\r\n", true},
      {"job 30\r\n", true},
      {"job 0\r\nskill a 1\r\n", true},
      {"job 100000312\r\n", true},  // beyond the range: 0xFFFFFFFF, no type
      {atLimit + " ", true},        // over the limit, though blank
      {overFileLimit, true},
      {"job 312\r\nskill gone 1\r\nskill r1 3\r\n", false},  // a load keeps r1 at 3
      {"job 112\r\nskill r1 1\r\n", false}};                 // r1 is no skill of the basic job
  PlanComparison comparison;
  for (const auto& [text, byLoad] : refused) {
    EXPECT_FALSE(database.PastePlan(text)) << text.substr(0, 60);
    EXPECT_FALSE(database.ComparePastedPlan(text, comparison) ||
                 database.ComparePlanFile(Write(text).c_str(), comparison))
        << text.substr(0, 60);
    bool rebuilt = false;  // a load refused unread never touches the plan
    EXPECT_FALSE(byLoad && (database.LoadPlan(Write(text).c_str(), rebuilt) || rebuilt))
        << text.substr(0, 60);
    EXPECT_EQ(State(kBunnyRank1, {2, 0, 1, 0, 0, 0}), Now()) << text.substr(0, 60);
    EXPECT_TRUE(database.CanRedo());
  }
  EXPECT_FALSE(database.LoadPlan(folder.PathOf("missing.vx3").c_str()));
  EXPECT_FALSE(database.LoadPlan(nullptr));

  // A paste drops the blank text a chat adds around the plan and its lines,
  // makes each run of blanks (ideographic spaces too) one space, and is one step.
  const std::pair<std::string, State> pasted[] = {
      {"\r\n \t\r\n  job 312\r\nskill a 4\r\nskill r1 2\r\n \r\n\t", {0x312, {4, 0, 0, 0, 0, 2}}},
      {"\t job\t312 \r\n\x81\x40skill\x81\x40 a\t\t4\x81\x40\r\n  skill  r1 1\t",
       {0x312, {4, 0, 0, 0, 0, 1}}},
      {"\n\njob 0x31e\nskill b 1", {0x31E, {0, 1, 0, 0, 0, 0}}},
      {atLimit, {kBunnyBasic, {0, 0, 0, 0, 0}}}};
  for (const auto& [text, state] : pasted) {
    const State before = Now();
    EXPECT_TRUE(database.ComparePastedPlan(text, comparison));
    ASSERT_TRUE(database.PastePlan(text)) << text.substr(0, 60);
    EXPECT_EQ(state, Now());
    EXPECT_TRUE(database.IsModified());
    ASSERT_TRUE(database.Undo());
    EXPECT_EQ(before, Now());
    ASSERT_TRUE(database.Redo());
  }
  ASSERT_TRUE(database.LoadPlan(Write(overFileLimit.substr(0, kPlanFileLimit)).c_str()));
  EXPECT_EQ(kBunnyRank1, database.GetJobCode());
}

TEST_F(PlanFileTest, FailedSaveLeavesAnExistingFileByteForByte) {
  const std::string kept = "job 312\r\nskill a 1\r\n";
  const std::string path = Write(kept), temporary = path + ".tmp";
  EXPECT_FALSE(database.SavePlan(path.c_str()) || database.SavePlan(nullptr));  // no rows yet
  EXPECT_FALSE(std::filesystem::exists(temporary));

  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  // A file whose writes fail only when flushed, as on a full disk, where the system has one.
  std::error_code noFullDevice;
  std::filesystem::create_symlink("/dev/full", temporary, noFullDevice);
  ASSERT_TRUE(noFullDevice || !database.SavePlan(path.c_str()));
  EXPECT_FALSE(std::filesystem::is_symlink(temporary));
  std::filesystem::create_directory(temporary);  // the temporary file cannot be made
  EXPECT_FALSE(database.SavePlan(path.c_str()));
  EXPECT_EQ(kept, folder.Read("plan.vx3"));
  EXPECT_TRUE(std::filesystem::is_directory(temporary));

  const std::string folderTarget = folder.PathOf("a-folder.vx3");  // the replacement fails
  std::filesystem::create_directory(folderTarget);
  EXPECT_FALSE(database.SavePlan(folderTarget.c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
  EXPECT_FALSE(std::filesystem::exists(folderTarget + ".tmp"));
}

// Rebuilds, a held press, cleared dependents and a reset are one step each,
// undone and redone exactly; what changes nothing adds none.
TEST_F(PlanFileTest, UndoAndRedoWalkEveryStepExactly) {
  std::vector<State> states{Now()};
  auto record = [&] {
    if (Now() != states.back()) states.push_back(Now());
  };
  database.BuildPlan(kBunnyRank1);
  record();
  database.BuildPlan(kBunnyRank1);  // the same plan again: nothing changes
  database.BeginStep();             // a held ">": its repeats are one step
  Steps("a+ a+ a+");
  database.EndStep();
  record();
  // The second "b+" changes nothing; the second "a-" clears c.
  for (const char* step : {"c*", "b+", "b+", "a-", "a-", "r1*"}) {
    Steps(step);
    record();
  }
  database.ResetLevels();
  record();
  database.BuildPlan(kBunnyBasic);
  record();
  ASSERT_EQ(10u, states.size());
  for (std::size_t back = states.size() - 1; back > 0; --back)
    EXPECT_TRUE(database.Undo() && states[back - 1] == Now()) << back;
  EXPECT_FALSE(database.Undo());
  for (std::size_t forward = 1; forward < states.size(); ++forward)
    EXPECT_TRUE(database.Redo() && states[forward] == Now()) << forward;
  EXPECT_FALSE(database.Redo());

  // A new change drops the steps that could be redone.
  ASSERT_TRUE(database.Undo() && database.Undo());
  Steps("a*");
  EXPECT_FALSE(database.CanRedo());
  std::size_t undone = 0;
  while (database.Undo()) ++undone;
  EXPECT_EQ(states.size() - 2, undone);
  EXPECT_EQ(states.front(), Now());
}

// Modified against what was last saved or loaded, by value; a load is one
// step, also one that fails on a record after it rebuilt the plan.
TEST_F(PlanFileTest, SavesAndLoadsSetTheUnmodifiedStateAndLoadsAreSteps) {
  EXPECT_FALSE(database.IsModified());
  database.BuildPlan(kBunnyRank1);
  EXPECT_TRUE(database.IsModified());
  Steps("c+");
  ASSERT_TRUE(database.SavePlan(folder.PathOf("saved.vx3").c_str()));
  EXPECT_FALSE(database.IsModified());
  Steps("b+");
  EXPECT_TRUE(database.IsModified());
  Steps("b0");  // the same levels again
  EXPECT_FALSE(database.IsModified());
  EXPECT_TRUE(database.Undo() && database.IsModified());
  EXPECT_TRUE(database.Undo() && !database.IsModified());

  database.BuildPlan(kBunnyBasic);
  Steps("b+");
  const State beforeLoad = Now();
  ASSERT_TRUE(database.LoadPlan(Write("job 312\r\nskill a 4\r\n").c_str()));
  const State loaded = Now();
  EXPECT_FALSE(database.IsModified());
  ASSERT_TRUE(database.Undo());
  EXPECT_EQ(beforeLoad, Now());
  EXPECT_TRUE(database.IsModified());
  EXPECT_TRUE(database.Redo() && !database.IsModified());

  EXPECT_FALSE(database.LoadPlan(Write("job 112\r\nskill nothing 1\r\n").c_str()));
  EXPECT_EQ(kBunnyBasic, database.GetJobCode());
  EXPECT_TRUE(database.IsModified());  // a failed load is no load
  ASSERT_TRUE(database.Undo());
  EXPECT_EQ(loaded, Now());
}

// On a plan of 20,000 rows the history stays within its bound, dropping the oldest first.
TEST_F(PlanFileTest, HistoryIsBoundedAndTheNewestStepsSurvive) {
  std::vector<std::string> lines{AttackBasicHeader()};
  for (int skill = 0; skill < 20000; ++skill)
    lines.push_back("s" + std::to_string(skill) + " n 1 1 2 -");
  lines.push_back(RankHeader(kTypeGlyphBunny, kDataRankFirst));
  lines.push_back("r1 n 1 1 4 -");
  ASSERT_TRUE(LoadDataLines(database, folder, lines));
  // Each round keeps about 400 KB: a rebuild away from a mastered plan, and
  // in one step every row mastered but the round's own.
  for (int round = 0; round < 16; ++round) {
    database.BuildPlan(round % 2 ? kBunnyBasic : kBunnyRank1);
    database.BeginStep();
    ChangeList changes;
    for (int row = 0; row < database.RowCount(); ++row)
      if (row != round) database.StepRowLevel(row, Max, changes);
    database.EndStep();
  }
  EXPECT_LE(database.HistoryBytes(), StepList::kByteLimit);
  // Only the oldest steps go: what is left fills the bound to within a step.
  EXPECT_GT(database.HistoryBytes(), StepList::kByteLimit * 9 / 10);
  ASSERT_TRUE(database.Undo() && database.Undo());  // back to round 14's plan
  Levels round14(20001, 11);
  round14[14] = 0;
  EXPECT_EQ(State(kBunnyRank1, round14), Now());

  StepList history;  // a single step larger than the bound is not kept
  PlanStep huge;
  huge.changes.resize(StepList::kByteLimit / sizeof(LevelChange));
  history.Push(std::move(huge));
  EXPECT_FALSE(history.CanUndo());
}

}  // namespace
