#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

// Every list that the codes below select holds skills named after its index,
// except the fox's basic list (35) and the sheep's rank-2 base list (17).
std::vector<std::string> FullData() {
  std::vector<std::string> lines = {HeaderLine(kDataSectionJobNames)};
  const std::pair<const char*, const char*> jobs[] = {{kDataJobKeyBunnyBasic, "BunnyBasic"},
                                                      {kDataJobKeyBunnyRank1, "BunnyRank1"},
                                                      {kDataJobKeyBunnyRank2H, "BunnyRank2H"},
                                                      {kDataJobKeySheepBasic, "SheepBasic"},
                                                      {kDataJobKeySheepRank1, "SheepRank1"},
                                                      {kDataJobKeySheepRank2S, "SheepRank2S"},
                                                      {kDataJobKeyDragonBasic, "DragonBasic"},
                                                      {kDataJobKeyDragonRank1, "DragonRank1"},
                                                      {kDataJobKeyDragonRank2H, "DragonRank2H"},
                                                      {kDataJobKeyDragonRank2S1, "DragonRank2S1"},
                                                      {kDataJobKeyDragonRank2S2, "DragonRank2S2"},
                                                      {kDataJobKeyFoxBasic, "FoxBasic"},
                                                      {kDataJobKeyFoxRank1, "FoxRank1"}};
  for (const auto& [key, name] : jobs) lines.push_back(key + std::string(" ") + name);
  const char* const sheep = kTypeGlyphSheep;
  const char* const dragon = kTypeGlyphDragon;
  const std::vector<std::string> skills = {
      AttackBasicHeader(),
      SkillDataLine("b0a"),
      SkillDataLine("b0b"),
      RankHeader(kTypeGlyphBunny, kDataRankFirst),
      SkillDataLine("b1a"),
      SkillDataLine("b1b", 1, "-", "b0a:2 missing:1"),
      RankHeader(kTypeGlyphBuffalo, kDataRankFirst),
      SkillDataLine("b4a"),
      "b4z Late 2147483647 1 - -",
      HeaderLine(kDataSectionMagicBasic),
      SkillDataLine("m7"),
      RankHeader(sheep, kDataRankFirst, kDataAttributeBase),
      SkillDataLine("s8"),
      RankHeader(sheep, kDataRankFirst, kDataAttributeWater),
      SkillDataLine("s9"),
      RankHeader(sheep, kDataRankFirst, kDataAttributeWind),
      SkillDataLine("s10"),
      RankHeader(sheep, kDataRankSecond, kDataAttributeWater),
      SkillDataLine("s18"),
      RankHeader(dragon, kDataRankFirst, kDataAttributeBase),
      SkillDataLine("d23"),
      RankHeader(dragon, kDataRankFirst, kDataAttributeLight),
      SkillDataLine("d24"),
      RankHeader(dragon, kDataRankFirst, kDataAttributeDark),
      SkillDataLine("d25"),
      RankHeader(dragon, kDataRankSecond, kDataAttributeBase),
      SkillDataLine("d32"),
      RankHeader(dragon, kDataRankSecond, kDataAttributeLight),
      SkillDataLine("d33"),
      RankHeader(dragon, kDataRankSecond, kDataAttributeDark),
      SkillDataLine("d34"),
      RankHeader(kTypeGlyphFox, kDataRankFirst),
      SkillDataLine("f36"),
  };
  lines.insert(lines.end(), skills.begin(), skills.end());
  return lines;
}

class PlanBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadDataLines(database, folder, FullData())); }

  // The rows as "key[label]@learnLevel", the label only when set, the level only when not 1.
  std::string Rows() const {
    std::string rows;
    SkillEntry entry;
    for (int row = 0; row < database.RowCount(); ++row) {
      EXPECT_TRUE(database.CopyRowEntry(row, entry));
      EXPECT_EQ(entry.rowId, row) << entry.key;
      rows += (row > 0 ? " " : "") + entry.key;
      if (!entry.jobLabel.empty()) rows += "[" + entry.jobLabel + "]";
      if (entry.learnLevel != 1) rows += "@" + std::to_string(entry.learnLevel);
    }
    return rows;
  }

  ScratchFolder folder;
  GameDatabase database;
};

TEST_F(PlanBuilderTest, CodeSelectsListsLabelsAndLearnLevels) {
  const struct {
    JobCode code;
    bool built;
    JobCode jobCodeAfter;
    const char* rows;
  } cases[] = {
      // Rank 2 (H) adds the other pair member's rank-1 lists fifty levels later, saturating.
      {0x1312, true, 0x1312,
       "b0a[BunnyBasic] b0b b1a[BunnyRank1] b1b b4a[BunnyRank2H]@51 b4z@2147483647"},
      // The dragon's dark rank 2 (S) is its second S job; the code keeps no S2 bit.
      {0x402321, true, 0x402321, "m7[DragonBasic] d23[DragonRank1] d25 d32[DragonRank2S2] d34"},
      {0x202321, true, 0x202321, "m7[DragonBasic] d23[DragonRank1] d24 d32[DragonRank2S1] d33"},
      // The dragon's H block is the sheep's rank 1 with its element lists.
      {0x11321, true, 0x11321, "m7[DragonBasic] d23[DragonRank1] s8[DragonRank2H]@51 s9@51"},
      {0x322, true, 0x322, "m7[SheepBasic] s8[SheepRank1]"},
      // Member bits 0 or 3 in the magic pair: the dragon's labels, no rank lists.
      {0x12323, true, 0x12323, "m7[DragonBasic]"},
      // An empty list hands its label on within its block only.
      {0x12322, true, 0x12322, "m7[SheepBasic] s8[SheepRank1] s9 s18[SheepRank2S]"},
      {0x342, true, 0x342, "f36[FoxRank1]"},
      // Both rank-2 bits: the S lists (bunny's, empty here) win over the H lists.
      {0x3312, true, 0x3312, "b0a[BunnyBasic] b0b b1a[BunnyRank1] b1b"},
      // No type pair: the plan is emptied, the code kept.
      {0x332, false, 0x3312, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.built, database.BuildPlan(c.code)) << std::hex << c.code;
    EXPECT_EQ(c.jobCodeAfter, database.GetJobCode()) << std::hex << c.code;
    EXPECT_EQ(c.rows, Rows()) << std::hex << c.code;
  }
  EXPECT_EQ(database.TotalPoints(), 0);
}

TEST_F(PlanBuilderTest, KeyInTwoListsSharesOneEntryCountedPerRow) {
  ASSERT_TRUE(
      LoadDataLines(database, folder,
                    {AttackBasicHeader(), SkillDataLine("dup", 3), SkillDataLine("solo"),
                     RankHeader(kTypeGlyphBunny, kDataRankFirst), SkillDataLine("dup", 7)}));
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  EXPECT_EQ(database.RowCount(), 3);
  EXPECT_EQ(database.FindEntry("dup").rowId, 2);
  EXPECT_EQ(database.FindEntry("dup").learnPoints, 7);  // the later row's definition

  ChangeList changes;
  EXPECT_EQ(database.StepRowLevel(0, Up, changes), 1);
  EXPECT_EQ(changes, (ChangeList{2}));
  EXPECT_EQ(database.RowPoints(0), 7);
  EXPECT_EQ(database.TotalPoints(), 14);
}

// Reset, rebuild and clear each return every level and the cached total to
// zero; rows beyond the plan are refused.
TEST_F(PlanBuilderTest, ResetRebuildAndClearReturnEveryLevelAndTheTotalToZero) {
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  ChangeList changes;
  for (int round = 0; round < 3; ++round) {
    database.StepRowLevel(3, Up, changes);  // b1b raises b0a to 2
    EXPECT_EQ(database.TotalPoints(), 3) << round;
    switch (round) {
      case 0:
        database.ResetLevels();
        break;
      case 1:
        ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
        break;
      default:
        database.clear();
    }
    EXPECT_EQ(RowLevels(database), (round < 2 ? std::vector<int>{0, 0, 0, 0} : std::vector<int>{}));
    EXPECT_EQ(database.TotalPoints(), 0) << round;
  }
  changes = {42};
  SkillEntry out;
  EXPECT_FALSE(database.CopyRowEntry(0, out));
  EXPECT_EQ(database.RowPoints(0), -1);
  EXPECT_EQ(database.StepRowLevel(0, Up, changes), -1);
  EXPECT_EQ(changes, (ChangeList{42}));
}

}  // namespace
