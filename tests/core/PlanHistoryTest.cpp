#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

// The code and every row's level: what undo must bring back exactly.
using PlanState = std::pair<JobCode, std::vector<int>>;

class PlanHistoryTest : public ::testing::Test {
 protected:
  // Bunny's basic list: a (masterable), b (one level), c (needs a at 2); its
  // rank-1 list adds r1.
  void SetUp() override {
    ASSERT_TRUE(LoadDataLines(
        database, folder,
        {AttackBasicHeader(), SkillDataLine("a", 2, "5"), SkillDataLine("b"),
         SkillDataLine("c", 1, "3", "a:2"),
         HeaderLine(std::string(kTypeGlyphBunny) + kDataFullWidthColon + kDataRankFirst),
         SkillDataLine("r1", 1, "4")}));
  }
  PlanState State() const { return {database.GetJobCode(), RowLevels(database)}; }
  void Step(const char* key, LevelOp op) {
    ChangeList changes;
    database.StepLevel(key, op, changes);
  }
  int UndoAll() {
    int steps = 0;
    while (database.Undo()) ++steps;
    return steps;
  }

  ScratchFolder folder;
  GameDatabase database;
};

// Rebuilds, a held press of several steps, dependents cleared and a reset:
// each one step, undone and redone exactly; a step that changes nothing, and
// a click on the plan already built, add none.
TEST_F(PlanHistoryTest, UndoAndRedoWalkEveryStepExactly) {
  std::vector<PlanState> states{State()};
  auto done = [&] { states.push_back(State()); };
  EXPECT_FALSE(database.CanUndo());
  database.BuildPlan(kBunnyRank1);
  done();
  database.BuildPlan(kBunnyRank1);  // the same plan again: nothing changes
  database.BeginStep();             // a held ">": its repeats are one step
  for (int repeat = 0; repeat < 3; ++repeat) Step("a", Up);
  database.EndStep();
  done();
  Step("c", Max);
  done();
  Step("b", Up);
  done();
  Step("b", Up);  // at its maximum: nothing changes
  Step("a", Down);
  done();
  Step("a", Down);  // to 1: clears c
  done();
  EXPECT_EQ((std::vector<int>{1, 1, 0, 0}), states.back().second);
  database.ResetLevels();
  done();
  Step("r1", Max);
  done();
  database.BuildPlan(kBunnyBasic);
  done();

  // Neighbouring states differ, so each undo is seen to do its own step.
  const std::size_t steps = states.size() - 1;
  for (std::size_t back = steps; back > 0; --back) {
    ASSERT_TRUE(database.Undo());
    EXPECT_EQ(states[back - 1], State()) << back;
  }
  EXPECT_FALSE(database.Undo());
  EXPECT_EQ(0, database.RowCount());
  for (std::size_t forward = 1; forward <= steps; ++forward) {
    ASSERT_TRUE(database.Redo());
    EXPECT_EQ(states[forward], State()) << forward;
  }
  EXPECT_FALSE(database.Redo());

  // A new change drops the steps that could be redone.
  database.Undo();
  database.Undo();
  Step("a", Max);
  EXPECT_FALSE(database.CanRedo());
  EXPECT_EQ(steps - 1, static_cast<std::size_t>(UndoAll()));
  EXPECT_EQ(states.front(), State());
}

// Modified against what was last saved or loaded; a load is one step, also
// one that fails on a record after it rebuilt the plan, and undoing it brings
// back the plan before it.
TEST_F(PlanHistoryTest, SavesAndLoadsSetTheUnmodifiedStateAndLoadsAreSteps) {
  EXPECT_FALSE(database.IsModified());
  database.BuildPlan(kBunnyRank1);
  EXPECT_TRUE(database.IsModified());
  Step("c", Up);
  const std::string saved = folder.path.string() + "/saved.vx3";
  ASSERT_TRUE(database.SavePlan(saved.c_str()));
  const PlanState savedState = State();
  EXPECT_FALSE(database.IsModified());
  Step("b", Up);
  EXPECT_TRUE(database.IsModified());
  Step("b", Zero);  // the same levels again
  EXPECT_FALSE(database.IsModified());
  database.Undo();
  EXPECT_TRUE(database.IsModified());
  database.Undo();
  EXPECT_FALSE(database.IsModified());

  database.BuildPlan(kBunnyBasic);
  Step("b", Up);
  const PlanState beforeLoad = State();
  ASSERT_TRUE(database.LoadPlan(saved.c_str()));
  EXPECT_EQ(savedState, State());
  EXPECT_FALSE(database.IsModified());
  ASSERT_TRUE(database.Undo());
  EXPECT_EQ(beforeLoad, State());
  EXPECT_TRUE(database.IsModified());
  ASSERT_TRUE(database.Redo());
  EXPECT_FALSE(database.IsModified());

  const std::string unknownKey = folder.Write("bad.vx3", "job 112\r\nskill nothing 1\r\n");
  const std::string unreadable = folder.Write("empty.vx3", "");
  EXPECT_FALSE(database.LoadPlan(unreadable.c_str()));
  EXPECT_FALSE(database.LoadPlan(unknownKey.c_str()));
  EXPECT_EQ(kBunnyBasic, database.GetJobCode());
  EXPECT_TRUE(database.IsModified());  // a failed load is no load
  ASSERT_TRUE(database.Undo());
  EXPECT_EQ(savedState, State());
}

// Steps on a plan of 20,000 rows: the history stays within its bound, drops
// the oldest first, and what it keeps still undoes exactly.
TEST_F(PlanHistoryTest, MemoryIsBoundedAndTheNewestStepsSurvive) {
  std::vector<std::string> lines{AttackBasicHeader()};
  for (int skill = 0; skill < 20000; ++skill)
    lines.push_back(SkillDataLine("s" + std::to_string(skill), 1, "2"));
  lines.push_back(HeaderLine(std::string(kTypeGlyphBunny) + kDataFullWidthColon + kDataRankFirst));
  lines.push_back(SkillDataLine("r1", 1, "4"));
  ASSERT_TRUE(LoadDataLines(database, folder, lines));
  // Each round keeps about 400 KB: a rebuild away from a mastered plan, and
  // every row mastered in one step.
  for (int round = 0; round < 16; ++round) {
    database.BuildPlan(round % 2 ? kBunnyBasic : kBunnyRank1);
    database.ResetLevels();
    database.BeginStep();
    ChangeList changes;
    for (int row = 0; row < database.RowCount(); ++row) database.StepRowLevel(row, Max, changes);
    database.EndStep();
  }
  EXPECT_LE(database.HistoryBytes(), PlanHistory::kByteLimit);
  EXPECT_GT(database.HistoryBytes(), PlanHistory::kByteLimit / 2);
  const PlanState mastered = State();
  for (int step = 0; step < 300; ++step) Step(("s" + std::to_string(step)).c_str(), Down);
  EXPECT_LE(database.HistoryBytes(), PlanHistory::kByteLimit);
  for (int step = 0; step < 300; ++step) ASSERT_TRUE(database.Undo());
  EXPECT_EQ(mastered, State());
  EXPECT_LT(UndoAll(), 3 * 16);  // the oldest rounds are gone
}

}  // namespace
