#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "data/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

SkillEntry EntryCosting(int learnPoints, int masterPoints, int level) {
  SkillEntry entry;
  entry.learnPoints = learnPoints;
  entry.masterPoints = masterPoints;
  entry.level = level;
  return entry;
}

TEST(SkillEntryTest, PointsChargeTheMasterStepAndClampAt32Bits) {
  const int levels[] = {0, 1, 2, 10, 11};
  const int expected[] = {0, 3, 4, 12, 17};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(EntryCosting(3, 5, levels[i]).Points(), expected[i]) << "level " << levels[i];
  }
  EXPECT_TRUE(EntryCosting(3, 5, 11).IsMastered());
  EXPECT_FALSE(EntryCosting(3, 5, 10).IsMastered());
  EXPECT_EQ(EntryCosting(3, 5, 0).MaxLevel(), 11);

  const SkillEntry single = EntryCosting(4, 0, 1);
  EXPECT_EQ(single.MaxLevel(), 1);
  EXPECT_TRUE(single.IsMastered());
  EXPECT_EQ(single.Points(), 4);
  EXPECT_EQ(EntryCosting(4, 0, 11).Points(), 14);  // no master step without master points

  EXPECT_EQ(EntryCosting(2147483647, 0, 2).Points(), 2147483647);
  EXPECT_EQ(EntryCosting(1, 2147483647, 11).Points(), 2147483647);
  EXPECT_EQ(EntryCosting(2147483647, 0, 2147483647).Points(), 2147483647);
}

class LevelRulesTest : public ::testing::Test {
 protected:
  void Build(const std::vector<std::string>& skillLines) {
    std::vector<std::string> lines{AttackBasicHeader()};
    lines.insert(lines.end(), skillLines.begin(), skillLines.end());
    ASSERT_TRUE(LoadDataLines(database, folder, lines));
    ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  }
  int Level(const std::string& key) { return database.FindEntry(key).level; }
  int Step(const std::string& key, LevelOp op) { return database.StepLevel(key, op, changes); }

  // Skill i requires skill i - 1 at level 1: a chain as deep as the count.
  void BuildChain(int count) {
    std::vector<std::string> lines{SkillDataLine("c0")};
    for (int i = 1; i < count; ++i) {
      lines.push_back(SkillDataLine("c" + std::to_string(i), 1, "-", "c" + std::to_string(i - 1) + ":1"));
    }
    Build(lines);
  }

  ScratchFolder folder;
  GameDatabase database;
  ChangeList changes;
};

TEST_F(LevelRulesTest, RaisingFromZeroRaisesPrerequisitesDepthFirst) {
  Build({SkillDataLine("s", 1, "-", "a:3 b:1"), SkillDataLine("a", 1, "5"),
         SkillDataLine("b", 1, "5", "c:2"), SkillDataLine("c", 1, "5")});
  database.FindEntry("a").level = 5;
  EXPECT_EQ(Step("s", Up), 1);
  EXPECT_EQ(changes, (ChangeList{0, 2, 3}));
  EXPECT_EQ(Level("a"), 5);
  EXPECT_EQ(Level("b"), 1);
  EXPECT_EQ(Level("c"), 2);

  // Raised from above 0, the prerequisites are not looked at again.
  database.FindEntry("c").level = 0;
  EXPECT_EQ(Step("b", Up), 2);
  EXPECT_EQ(changes, (ChangeList{2}));
  EXPECT_EQ(Level("c"), 0);
}

TEST_F(LevelRulesTest, MaxFromZeroRaisesLikeUpAndMayExceedMaxLevel) {
  Build({SkillDataLine("s", 2, "5", "one:15 absent:4"), SkillDataLine("one", 3)});
  EXPECT_EQ(Step("s", Max), 11);
  EXPECT_EQ(changes, (ChangeList{0, 1, -1}));  // a prerequisite without a row reports -1
  EXPECT_EQ(Level("one"), 15);
  EXPECT_EQ(database.RowPoints(1), 17);
  EXPECT_EQ(database.TotalPoints(), 16 + 17);  // rowless entries are not counted
  EXPECT_EQ(Step("one", Up), 15);  // above its maximum: Up changes nothing
  EXPECT_EQ(changes, (ChangeList{1}));
  EXPECT_EQ(Step("absent", Up), -1);  // held only as a prerequisite: no skill of the plan
}

TEST_F(LevelRulesTest, LoweringClearsDependentsThatNeedMore) {
  Build({SkillDataLine("s", 1, "5"), SkillDataLine("c", 1, "-", "s:3"), SkillDataLine("d", 1, "-", "s:2"),
         SkillDataLine("e", 1, "-", "c:1"), SkillDataLine("f", 1, "-", "c:0")});
  for (int i = 0; i < 3; ++i) Step("s", Up);
  for (const char* key : {"c", "d", "e", "f"}) Step(key, Up);
  EXPECT_EQ(Step("s", Down), 2);
  EXPECT_EQ(changes, (ChangeList{0, 1, 3}));
  EXPECT_EQ(Level("c"), 0);
  EXPECT_EQ(Level("d"), 1);
  EXPECT_EQ(Level("e"), 0);
  EXPECT_EQ(Level("f"), 1);  // needs level 0 of c: never cleared

  // A dependent already at 0 is still cleared and reported.
  EXPECT_EQ(Step("s", Zero), 0);
  EXPECT_EQ(changes, (ChangeList{0, 1, 3, 2}));
  EXPECT_EQ(Level("d"), 0);
}

TEST_F(LevelRulesTest, StepsAtTheirBoundsReportOnlyTheSteppedRow) {
  Build({SkillDataLine("m", 2, "5"), SkillDataLine("single", 4), SkillDataLine("dep", 1, "-", "m:1")});
  EXPECT_EQ(Step("m", Zero), 0);
  EXPECT_EQ(changes, (ChangeList{0}));
  EXPECT_EQ(Step("m", Down), 0);
  EXPECT_EQ(changes, (ChangeList{0}));
  EXPECT_EQ(Step("single", Max), 1);
  EXPECT_EQ(Step("single", Up), 1);
  EXPECT_EQ(changes, (ChangeList{1}));

  for (int i = 0; i < 10; ++i) Step("m", Up);
  EXPECT_EQ(database.RowPoints(0), 11);
  EXPECT_EQ(Step("m", Up), 11);
  EXPECT_TRUE(database.FindEntry("m").IsMastered());
  EXPECT_EQ(database.RowPoints(0), 11 + 2 - 1 + 5 - 1);
  EXPECT_EQ(Step("m", Up), 11);
  EXPECT_EQ(changes, (ChangeList{0}));
  EXPECT_EQ(Step("m", static_cast<LevelOp>(7)), 11);

  changes = {5, 6};
  EXPECT_EQ(Step("unknown", Up), -1);
  EXPECT_EQ(changes, (ChangeList{5, 6}));
}

TEST_F(LevelRulesTest, SharedPrerequisiteEndsAtTheHighestRequirement) {
  Build({SkillDataLine("a", 1, "-", "b:1 c:1"), SkillDataLine("b", 1, "-", "d:2"),
         SkillDataLine("c", 1, "-", "d:3"), SkillDataLine("d", 1, "5")});
  Step("a", Up);
  EXPECT_EQ(Level("d"), 3);
  EXPECT_EQ(changes, (ChangeList{0, 1, 3, 2, 3}));
}

TEST_F(LevelRulesTest, ClearingACycleEnds) {
  Build({SkillDataLine("a", 1, "-", "b:1"), SkillDataLine("b", 1, "-", "a:1")});
  Step("a", Up);
  EXPECT_EQ(changes, (ChangeList{0, 1}));
  EXPECT_EQ(Level("b"), 1);
  // b is cleared once; the walk reaches a again, clears it (already 0), and stops at b.
  EXPECT_EQ(Step("a", Down), 0);
  EXPECT_EQ(changes, (ChangeList{0, 1, 0}));
  EXPECT_EQ(Level("a"), 0);
  EXPECT_EQ(Level("b"), 0);
}

TEST_F(LevelRulesTest, HundredThousandDeepChainStepsWithoutExhaustingTheStack) {
  constexpr int kDepth = 100000;
  BuildChain(kDepth);
  EXPECT_EQ(database.StepRowLevel(kDepth - 1, Up, changes), 1);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  for (int i = 0; i < kDepth; ++i) ASSERT_EQ(changes[i], kDepth - 1 - i);
  EXPECT_EQ(database.TotalPoints(), kDepth);

  EXPECT_EQ(database.StepRowLevel(0, Down, changes), 0);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  for (int i = 0; i < kDepth; ++i) ASSERT_EQ(changes[i], i);
  EXPECT_EQ(database.TotalPoints(), 0);
}

// The list redraws every changed row and asks for the total after each one.
TEST_F(LevelRulesTest, RaisingTheEndOfADeepChainAndRedrawingIsFast) {
  constexpr int kDepth = 50000;
  BuildChain(kDepth);
  const auto start = std::chrono::steady_clock::now();
  database.StepRowLevel(kDepth - 1, Up, changes);
  SkillEntry entry;
  long long shownTotal = 0;
  for (std::int32_t row : changes) {
    database.CopyRowEntry(row, entry);
    database.RowPoints(row);
    shownTotal += database.TotalPoints();
  }
  // Recounting the total for every redrawn row takes minutes; once per change
  // it is a few tens of milliseconds (a few hundred with sanitizers on a busy machine).
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(2));
  EXPECT_EQ(shownTotal, static_cast<long long>(kDepth) * kDepth);
}

TEST_F(LevelRulesTest, TotalClampsAt32Bits) {
  Build({"x X 1 2147483647 - -", "y Y 1 2147483647 - -"});
  Step("x", Up);
  EXPECT_EQ(database.TotalPoints(), 2147483647);
  Step("y", Up);
  EXPECT_EQ(database.TotalPoints(), 2147483647);
}

}  // namespace
