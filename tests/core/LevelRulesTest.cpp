#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

constexpr int kMax = 2147483647;

TEST(SkillEntryTest, PointsChargeTheMasterStepAndClampAt32Bits) {
  const struct {
    int learnPoints, masterPoints, level, points, maxLevel;
  } cases[] =
      {
          {3, 5, 0, 0, 11},      {3, 5, 1, 3, 11},        {3, 5, 2, 4, 11},
          {3, 5, 10, 12, 11},    {3, 5, 11, 17, 11},      {4, 0, 1, 4, 1},
          {4, 0, 11, 14, 1},  // no master step without master points
          {kMax, 0, 2, kMax, 1}, {1, kMax, 11, kMax, 11}, {kMax, 0, kMax, kMax, 1},
      };
  for (const auto& c : cases) {
    SkillEntry entry;
    entry.learnPoints = c.learnPoints;
    entry.masterPoints = c.masterPoints;
    entry.level = c.level;
    const std::string row = std::to_string(c.learnPoints) + "/" + std::to_string(c.masterPoints) +
                            " at " + std::to_string(c.level);
    EXPECT_EQ(c.points, entry.Points()) << row;
    EXPECT_EQ(c.maxLevel, entry.MaxLevel()) << row;
    EXPECT_EQ(c.level == c.maxLevel, entry.IsMastered()) << row;
  }
}

class LevelRulesTest : public ::testing::Test {
 protected:
  void Build(const std::vector<std::string>& skillLines) {
    std::vector<std::string> lines{AttackBasicHeader()};
    lines.insert(lines.end(), skillLines.begin(), skillLines.end());
    ASSERT_TRUE(LoadDataLines(database, folder, lines));
    ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  }
  int Step(const std::string& key, LevelOp op) { return database.StepLevel(key, op, changes); }

  ScratchFolder folder;
  GameDatabase database;
  ChangeList changes;
};

// Each case builds a plan of its skills (rows in line order), makes the steps
// before, then one step, and checks what it answers and reports, every row's
// level and the total.
TEST_F(LevelRulesTest, StepsRaisePrerequisitesAndClearDependents) {
  using Steps = std::vector<std::pair<const char*, LevelOp>>;
  const std::vector<std::string> sharedBase = {
      SkillDataLine("s", 1, "5"), SkillDataLine("c", 1, "-", "s:3"),
      SkillDataLine("d", 1, "-", "s:2"), SkillDataLine("e", 1, "-", "c:1"),
      SkillDataLine("f", 1, "-", "c:0")};
  const Steps raisedBase = {{"s", Up}, {"s", Up}, {"s", Up}, {"c", Up},
                            {"d", Up}, {"e", Up}, {"f", Up}};
  Steps raisedThenLowered = raisedBase;
  raisedThenLowered.push_back({"s", Down});
  const std::vector<std::string> overMax = {SkillDataLine("s", 2, "5", "one:15 absent:4"),
                                            SkillDataLine("one", 3)};
  const std::vector<std::string> bounds = {SkillDataLine("m", 2, "5"), SkillDataLine("single", 4),
                                           SkillDataLine("dep", 1, "-", "m:1")};
  const std::vector<std::string> cycle = {SkillDataLine("a", 1, "-", "b:1"),
                                          SkillDataLine("b", 1, "-", "a:1")};
  const struct {
    const char* rule;
    std::vector<std::string> skills;
    Steps before;
    const char* key;
    LevelOp op;
    int result;
    ChangeList changes;
    std::vector<int> levels;
    int total;
  } cases[] = {
      {"raising from 0 raises the unmet prerequisites, depth first",
       {SkillDataLine("s", 1, "-", "a:3 b:1"), SkillDataLine("a", 1, "5"),
        SkillDataLine("b", 1, "5", "c:2"), SkillDataLine("c", 1, "5")},
       Steps(5, {"a", Up}),
       "s",
       Up,
       1,
       {0, 2, 3},
       {1, 5, 1, 2},
       9},
      {"a shared prerequisite ends at the highest requirement",
       {SkillDataLine("a", 1, "-", "b:1 c:1"), SkillDataLine("b", 1, "-", "d:2"),
        SkillDataLine("c", 1, "-", "d:3"), SkillDataLine("d", 1, "5")},
       {},
       "a",
       Up,
       1,
       {0, 1, 3, 2, 3},
       {1, 1, 1, 3},
       6},
      // A prerequisite without a row reports -1 and is not counted.
      {"Max from 0 raises like Up, beyond the prerequisite's maximum",
       overMax,
       {},
       "s",
       Max,
       11,
       {0, 1, -1},
       {11, 15},
       16 + 17},
      {"Up above the maximum changes nothing",
       overMax,
       {{"s", Max}},
       "one",
       Up,
       15,
       {1},
       {11, 15},
       16 + 17},
      {"held only as a prerequisite: no skill of the plan",
       overMax,
       {},
       "absent",
       Up,
       -1,
       {-99},
       {0, 0},
       0},
      {"lowering clears the dependents that need more, and theirs",
       sharedBase,
       raisedBase,
       "s",
       Down,
       2,
       {0, 1, 3},
       {2, 0, 1, 0, 1},
       4},
      {"a dependent already at 0 is still cleared and reported",
       sharedBase,
       raisedThenLowered,
       "s",
       Zero,
       0,
       {0, 1, 3, 2},
       {0, 0, 0, 0, 1},
       1},
      {"Down at 0", bounds, {}, "m", Down, 0, {0}, {0, 0, 0}, 0},
      {"Zero at 0", bounds, {}, "m", Zero, 0, {0}, {0, 0, 0}, 0},
      {"Up at the maximum of a one-level skill",
       bounds,
       {{"single", Max}},
       "single",
       Up,
       1,
       {1},
       {0, 1, 0},
       4},
      {"Up at the master level", bounds, Steps(11, {"m", Up}), "m", Up, 11, {0}, {11, 0, 0}, 16},
      {"an unknown step",
       bounds,
       {{"m", Max}},
       "m",
       static_cast<LevelOp>(7),
       11,
       {0},
       {11, 0, 0},
       16},
      {"an unknown key", bounds, {}, "unknown", Up, -1, {-99}, {0, 0, 0}, 0},
      {"raising a cycle ends", cycle, {}, "a", Up, 1, {0, 1}, {1, 1}, 2},
      {"clearing a cycle clears each skill once",
       cycle,
       {{"a", Up}},
       "a",
       Down,
       0,
       {0, 1, 0},
       {0, 0},
       0},
      {"the total clamps at 32 bits",
       {"x X 1 2147483647 - -", "y Y 1 2147483647 - -"},
       {{"x", Up}},
       "y",
       Up,
       1,
       {1},
       {1, 1},
       kMax},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    Build(c.skills);
    for (const auto& [key, op] : c.before) Step(key, op);
    changes = {-99};
    EXPECT_EQ(c.result, Step(c.key, c.op));
    EXPECT_EQ(c.changes, changes);
    EXPECT_EQ(c.levels, RowLevels(database));
    EXPECT_EQ(c.total, database.TotalPoints());
  }
}

// The walks keep their own stack, and the list redraws every changed row and
// asks for the total after each one: recounting it per row would take minutes
// on this chain, far beyond the bound; counted once per change it takes
// milliseconds on any machine.
TEST_F(LevelRulesTest, HundredThousandDeepChainStepsAndRedrawsInBoundedWork) {
  constexpr int kDepth = 100000;
  std::vector<std::string> lines{SkillDataLine("c0")};
  for (int i = 1; i < kDepth; ++i) {
    lines.push_back(
        SkillDataLine("c" + std::to_string(i), 1, "-", "c" + std::to_string(i - 1) + ":1"));
  }
  Build(lines);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(database.StepRowLevel(kDepth - 1, Up, changes), 1);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  SkillEntry entry;
  long long shownTotal = 0;
  for (int i = 0; i < kDepth; ++i) {
    ASSERT_EQ(changes[i], kDepth - 1 - i);
    database.CopyRowEntry(changes[i], entry);
    database.RowPoints(changes[i]);
    shownTotal += database.TotalPoints();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_EQ(shownTotal, static_cast<long long>(kDepth) * kDepth);

  EXPECT_EQ(database.StepRowLevel(0, Down, changes), 0);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  for (int i = 0; i < kDepth; ++i) ASSERT_EQ(changes[i], i);
  EXPECT_EQ(database.TotalPoints(), 0);
}

}  // namespace
