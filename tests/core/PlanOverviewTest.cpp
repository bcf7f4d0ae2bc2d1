#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

constexpr JobCode kBunnyRank2H = 0x1312;  // lists 0, 1, then 4 with learn levels +50
constexpr int kMax = 2147483647;

std::string RankHeader(const char* glyph) {
  return HeaderLine(glyph + std::string(kDataFullWidthColon) + kDataRankFirst);
}

class PlanOverviewTest : public ::testing::Test {
 protected:
  // "s" stands in lists 0 and 1; list 4 is the H block.
  void Build() {
    ASSERT_TRUE(LoadDataLines(
        database, folder,
        {AttackBasicHeader(), "a A 10 1 5 Gem:3", "z Z 5 1 5 Gem:0", "s S 20 1 5 Ore:2147483647",
         "n N 3 1 5 -", RankHeader(kTypeGlyphBunny), "s S 20 1 5 Ore:2147483647",
         "c C 7 1 5 Gem:1 a:2 gone:4", "b B 30 1 5 Ore:2147483647 s:1 s:2",
         RankHeader(kTypeGlyphBuffalo), "h H 40 1 - Gem:3 a:1"}));
    ASSERT_TRUE(database.BuildPlan(kBunnyRank2H));
  }
  void Step(const std::string& key, LevelOp op) { database.StepLevel(key, op, changes); }

  ScratchFolder folder;
  GameDatabase database;
  ChangeList changes;
};

TEST_F(PlanOverviewTest, AddsUpLearntMasteredAndItemsOncePerSkill) {
  Build();
  for (const char* key : {"a", "z", "s", "b", "h"}) Step(key, Max);
  Step("c", Up);  // learnt, not mastered: its item does not count
  const PlanOverview overview = database.Overview();
  EXPECT_EQ(90, overview.requiredLevel);  // the H block's 40 + 50
  EXPECT_EQ(database.TotalPoints(), overview.totalPoints);
  EXPECT_EQ(7, overview.skillCount);  // eight rows, "s" twice
  EXPECT_EQ(6, overview.learntCount);
  EXPECT_EQ(5, overview.masteredCount);
  ASSERT_EQ(2u, overview.items.size());
  EXPECT_EQ("Ore", overview.items[0].name);
  EXPECT_EQ(kMax, overview.items[0].count);  // two counts of 2^31-1, clamped
  EXPECT_EQ((std::vector<std::string>{"S", "B"}), overview.items[0].skills);
  EXPECT_EQ("Gem", overview.items[1].name);
  EXPECT_EQ(6, overview.items[1].count);  // "Z" asks for none
  EXPECT_EQ((std::vector<std::string>{"A", "H"}), overview.items[1].skills);
}

TEST_F(PlanOverviewTest, EqualCountsGoByNameAndAPlanWithoutLearntSkillsIsEmpty) {
  EXPECT_EQ(-1, database.Overview().requiredLevel);  // nothing built
  Build();
  PlanOverview overview = database.Overview();
  EXPECT_EQ(-1, overview.requiredLevel);
  EXPECT_EQ(7, overview.skillCount);
  EXPECT_EQ(0, overview.learntCount + overview.masteredCount);
  EXPECT_TRUE(overview.items.empty());
  Step("n", Up);
  Step("a", Max);
  overview = database.Overview();
  EXPECT_EQ(10, overview.requiredLevel);
  EXPECT_EQ(1, overview.masteredCount);
  PlanOverviewTally tally;
  for (const char* name : {"Zinc", "Amber"}) {
    SkillEntry skill;
    skill.level = 1;
    skill.masterItemName = name;
    skill.masterItemCount = 4;
    tally.Add(skill);
  }
  overview = tally.Finish(0);
  ASSERT_EQ(2u, overview.items.size());
  EXPECT_EQ("Amber", overview.items[0].name);
}

TEST_F(PlanOverviewTest, LinksNameHeldSkillsAndKeysAndListEachDependentOnce) {
  Build();
  SkillLinks links;
  ASSERT_TRUE(database.CopyRowLinks(5, links));  // "c"
  ASSERT_EQ(2u, links.prerequisites.size());
  EXPECT_EQ("A", links.prerequisites[0].key);
  EXPECT_EQ(2, links.prerequisites[0].level);
  EXPECT_EQ("gone", links.prerequisites[1].key);  // no such skill: shown by its key
  EXPECT_TRUE(links.dependents.empty());
  ASSERT_TRUE(database.CopyRowLinks(2, links));  // "s", required twice by "b"
  EXPECT_EQ(std::vector<std::string>{"B"}, links.dependents);
  ASSERT_TRUE(database.CopyRowLinks(0, links));  // "a"
  EXPECT_EQ((std::vector<std::string>{"C", "H"}), links.dependents);
  EXPECT_FALSE(database.CopyRowLinks(8, links));
  Step("c", Up);  // raises "gone", which the plan does not hold
  ASSERT_TRUE(database.CopyRowLinks(5, links));
  EXPECT_EQ("gone", links.prerequisites[1].key);
}

}  // namespace
