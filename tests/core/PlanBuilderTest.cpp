#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/GameDatabase.h"
#include "tests/core/PlanTestData.h"

namespace {

const std::string kColon = kDataFullWidthColon;

std::string RankHeader(const char* glyph, const char* rank, const char* attribute = nullptr) {
  std::string name = glyph + kColon + rank;
  if (attribute != nullptr) name += kColon + attribute;
  return HeaderLine(name);
}

std::string JobNameLine(const char* jobKey, const std::string& name) { return jobKey + (" " + name); }

const std::vector<std::string> kJobNames = {
    HeaderLine(kDataSectionJobNames),
    JobNameLine(kDataJobKeyBunnyBasic, "BunnyBasic"),
    JobNameLine(kDataJobKeyBunnyRank1, "BunnyRank1"),
    JobNameLine(kDataJobKeyBunnyRank2H, "BunnyRank2H"),
    JobNameLine(kDataJobKeySheepBasic, "SheepBasic"),
    JobNameLine(kDataJobKeySheepRank1, "SheepRank1"),
    JobNameLine(kDataJobKeyDragonBasic, "DragonBasic"),
    JobNameLine(kDataJobKeyDragonRank1, "DragonRank1"),
    JobNameLine(kDataJobKeyDragonRank2H, "DragonRank2H"),
    JobNameLine(kDataJobKeyDragonRank2S1, "DragonRank2S1"),
    JobNameLine(kDataJobKeyDragonRank2S2, "DragonRank2S2"),
};

// Every list that the codes below select holds skills named after its index.
std::vector<std::string> FullData() {
  std::vector<std::string> lines = kJobNames;
  const std::vector<std::string> skills = {
      AttackBasicHeader(), SkillDataLine("b0a"), SkillDataLine("b0b"),
      RankHeader(kTypeGlyphBunny, kDataRankFirst), SkillDataLine("b1a"),
      SkillDataLine("b1b", 1, "-", "b0a:2 missing:1"),
      RankHeader(kTypeGlyphBuffalo, kDataRankFirst), SkillDataLine("b4a"),
      "b4z Late 2147483647 1 - -",
      HeaderLine(kDataSectionMagicBasic), SkillDataLine("m7"),
      RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeBase), SkillDataLine("s8"),
      RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWater), SkillDataLine("s9"),
      RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWind), SkillDataLine("s10"),
      RankHeader(kTypeGlyphDragon, kDataRankFirst, kDataAttributeBase), SkillDataLine("d23"),
      RankHeader(kTypeGlyphDragon, kDataRankFirst, kDataAttributeLight), SkillDataLine("d24"),
      RankHeader(kTypeGlyphDragon, kDataRankFirst, kDataAttributeDark), SkillDataLine("d25"),
      RankHeader(kTypeGlyphDragon, kDataRankSecond, kDataAttributeBase), SkillDataLine("d32"),
      RankHeader(kTypeGlyphDragon, kDataRankSecond, kDataAttributeLight), SkillDataLine("d33"),
      RankHeader(kTypeGlyphDragon, kDataRankSecond, kDataAttributeDark), SkillDataLine("d34"),
  };
  lines.insert(lines.end(), skills.begin(), skills.end());
  return lines;
}

using Texts = std::vector<std::string>;

class PlanBuilderTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& lines) { ASSERT_TRUE(LoadDataLines(database, folder, lines)); }

  Texts RowField(std::string SkillEntry::*field) const {
    Texts texts;
    SkillEntry entry;
    for (int row = 0; row < database.RowCount(); ++row) {
      EXPECT_TRUE(database.CopyRowEntry(row, entry));
      texts.push_back(entry.*field);
    }
    return texts;
  }
  Texts Keys() const { return RowField(&SkillEntry::key); }
  Texts Labels() const { return RowField(&SkillEntry::jobLabel); }

  ScratchFolder folder;
  GameDatabase database;
};

TEST_F(PlanBuilderTest, BunnyRank2HAddsBuffaloRank1FiftyLevelsLater) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(0x1312));
  EXPECT_EQ(database.GetJobCode(), 0x1312u);
  EXPECT_EQ(Keys(), (Texts{"b0a", "b0b", "b1a", "b1b", "b4a", "b4z"}));
  EXPECT_EQ(Labels(), (Texts{"BunnyBasic", "", "BunnyRank1", "", "BunnyRank2H", ""}));

  SkillEntry entry;
  ASSERT_TRUE(database.CopyRowEntry(2, entry));
  EXPECT_EQ(entry.learnLevel, 1);
  ASSERT_TRUE(database.CopyRowEntry(4, entry));
  EXPECT_EQ(entry.learnLevel, 51);
  EXPECT_EQ(entry.rowId, 4);
  // The data may hold any learn level; the H block's +50 saturates.
  ASSERT_TRUE(database.CopyRowEntry(5, entry));
  EXPECT_EQ(entry.learnLevel, 2147483647);
}

TEST_F(PlanBuilderTest, DragonRank2SListsAndSlotFollowTheAttribute) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(0x402321));
  EXPECT_EQ(database.GetJobCode(), 0x402321u);  // without the S2 bit chosen for the dark form
  EXPECT_EQ(Keys(), (Texts{"m7", "d23", "d25", "d32", "d34"}));
  EXPECT_EQ(Labels(), (Texts{"DragonBasic", "DragonRank1", "", "DragonRank2S2", ""}));
  SkillEntry entry;
  ASSERT_TRUE(database.CopyRowEntry(3, entry));
  EXPECT_EQ(entry.learnLevel, 1);

  ASSERT_TRUE(database.BuildPlan(0x202321));
  EXPECT_EQ(Keys(), (Texts{"m7", "d23", "d24", "d32", "d33"}));
  EXPECT_EQ(Labels(), (Texts{"DragonBasic", "DragonRank1", "", "DragonRank2S1", ""}));

  // The dragon's H block is the sheep's rank 1 with its element lists.
  ASSERT_TRUE(database.BuildPlan(0x11321));
  EXPECT_EQ(Keys(), (Texts{"m7", "d23", "s8", "s9"}));
  EXPECT_EQ(Labels(), (Texts{"DragonBasic", "DragonRank1", "DragonRank2H", ""}));
  ASSERT_TRUE(database.CopyRowEntry(3, entry));
  EXPECT_EQ(entry.learnLevel, 51);
}

TEST_F(PlanBuilderTest, SheepAndDragonMemberBitsSelectExactly) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(0x322));  // sheep rank 1, no attribute
  EXPECT_EQ(Keys(), (Texts{"m7", "s8"}));
  EXPECT_EQ(Labels(), (Texts{"SheepBasic", "SheepRank1"}));

  // Member bits 0 or 3 in the magic pair: the dragon's labels, no rank lists.
  ASSERT_TRUE(database.BuildPlan(0x12323));
  EXPECT_EQ(Keys(), (Texts{"m7"}));
  EXPECT_EQ(Labels(), (Texts{"DragonBasic"}));
  EXPECT_EQ(database.GetJobCode(), 0x12323u);
}

TEST_F(PlanBuilderTest, CodeWithoutTypePairEmptiesPlanButKeepsJobCode) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(0x1312));
  EXPECT_FALSE(database.BuildPlan(0x332));
  EXPECT_EQ(database.RowCount(), 0);
  EXPECT_EQ(database.GetJobCode(), 0x1312u);
  EXPECT_EQ(database.TotalPoints(), 0);
}

TEST_F(PlanBuilderTest, EmptyListHandsLabelOnlyWithinItsBlock) {
  std::vector<std::string> lines = kJobNames;
  const std::vector<std::string> skills = {
      RankHeader(kTypeGlyphBunny, kDataRankFirst), SkillDataLine("b1a"), SkillDataLine("b1b"),
      HeaderLine(kDataSectionMagicBasic), SkillDataLine("m7"),
      RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWater), SkillDataLine("s9"),
      RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWind), SkillDataLine("s10"),
  };
  lines.insert(lines.end(), skills.begin(), skills.end());
  Load(lines);

  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));  // the basic list is empty
  EXPECT_EQ(Keys(), (Texts{"b1a", "b1b"}));
  EXPECT_EQ(Labels(), (Texts{"BunnyRank1", ""}));

  ASSERT_TRUE(database.BuildPlan(0x30322));  // sheep rank 1, water and wind, list 8 empty
  EXPECT_EQ(Keys(), (Texts{"m7", "s9", "s10"}));
  EXPECT_EQ(Labels(), (Texts{"SheepBasic", "SheepRank1", ""}));
}

TEST_F(PlanBuilderTest, DependentsMirrorPrerequisitesAndMissingOnesGetRowlessEntries) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  const SkillEntry& required = database.FindEntry("b0a");
  ASSERT_EQ(required.dependents.size(), 1u);
  EXPECT_EQ(required.dependents[0].key, "b1b");
  EXPECT_EQ(required.dependents[0].level, 2);

  const SkillEntry& missing = database.FindEntry("missing");
  EXPECT_TRUE(missing.key.empty());
  EXPECT_EQ(missing.rowId, -1);
  ASSERT_EQ(missing.dependents.size(), 1u);
  EXPECT_EQ(missing.dependents[0].key, "b1b");
  EXPECT_EQ(missing.dependents[0].level, 1);
}

TEST_F(PlanBuilderTest, KeyInTwoListsSharesOneEntryCountedPerRow) {
  Load({AttackBasicHeader(), SkillDataLine("dup", 3), SkillDataLine("solo"),
        RankHeader(kTypeGlyphBunny, kDataRankFirst), SkillDataLine("dup", 7)});
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

TEST_F(PlanBuilderTest, RowAccessorsRejectRowsOutOfRange) {
  Load(FullData());
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  SkillEntry out;
  out.key = "untouched";
  EXPECT_FALSE(database.CopyRowEntry(-1, out));
  EXPECT_FALSE(database.CopyRowEntry(database.RowCount(), out));
  EXPECT_EQ(out.key, "untouched");
  EXPECT_EQ(database.RowPoints(-1), -1);
  EXPECT_EQ(database.RowPoints(2), -1);
  ChangeList changes{42};
  EXPECT_EQ(database.StepRowLevel(2, Up, changes), -1);
  EXPECT_EQ(changes, (ChangeList{42}));
}

TEST_F(PlanBuilderTest, ResetAndRebuildReturnEveryLevelAndTheTotalToZero) {
  Load(FullData());
  database.ResetLevels();  // on an empty plan: nothing to do
  EXPECT_EQ(database.RowCount(), 0);

  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  ChangeList changes;
  database.StepRowLevel(3, Up, changes);  // b1b raises b0a to 2
  EXPECT_EQ(RowLevels(database), (std::vector<int>{2, 0, 0, 1}));
  EXPECT_EQ(database.TotalPoints(), 3);

  database.ResetLevels();
  EXPECT_EQ(RowLevels(database), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(database.TotalPoints(), 0);

  database.StepRowLevel(3, Up, changes);
  EXPECT_EQ(database.TotalPoints(), 3);
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));  // nothing survives a rebuild
  EXPECT_EQ(RowLevels(database), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(database.TotalPoints(), 0);

  database.StepRowLevel(3, Up, changes);
  EXPECT_EQ(database.TotalPoints(), 3);
  database.clear();
  EXPECT_EQ(database.RowCount(), 0);
  EXPECT_EQ(database.TotalPoints(), 0);
}

}  // namespace
