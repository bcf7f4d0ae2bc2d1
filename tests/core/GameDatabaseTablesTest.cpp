#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/GameDatabase.h"
#include "tests/core/DataFileScratch.h"

namespace {

using Keys = std::vector<std::string>;

const std::string kBunnyRankOne =
    HeaderLine(std::string(kTypeGlyphBunny) + kDataFullWidthColon + kDataRankFirst);

// A small file that fills every table, two bunny rank-1 sections among them.
std::string SampleFile() {
  return CrLfLines({"; sample", HeaderLine(kDataSectionTypeNames),
                    std::string(kTypeGlyphBunny) + " Usagi",
                    std::string(kTypeGlyphDragon) + " Tatsu", HeaderLine(kDataSectionJobNames),
                    std::string(kDataJobKeyBunnyBasic) + " Fighter",
                    std::string(kDataJobKeyBunnyRank1) + " Knight",
                    std::string(kDataJobKeyDragonRank2S2) + " DarkLord",
                    HeaderLine(kDataSectionAttackBasic), "basic Basic 1 1 - -", kBunnyRankOne,
                    "one One 10 2 4 Orb:1 basic:1", HeaderLine(kDataSectionMagicBasic),
                    "magic Magic 1 1 - -", kBunnyRankOne, "two Two 20 2 - - one"});
}

bool TablesEmpty(const GameDatabase& database) {
  std::string name = "unset";
  for (int type = 0; type < kTypeCount; ++type) {
    if (!database.typeName(type, name) || !name.empty()) return false;
    for (int slot = 0; slot < kJobSlotCount; ++slot) {
      if (!database.jobName(type, slot, name) || !name.empty()) return false;
    }
  }
  for (int index = 0; index < kSkillListCount; ++index) {
    if (!database.skillList(index).empty()) return false;
  }
  return true;
}

class GameDatabaseTablesTest : public ::testing::Test {
 protected:
  void WriteDataFile(const std::string& bytes) { folder.Write("vexa.dat", bytes); }

  ScratchFolder folder;
  WorkingDirectory inFolder{folder.path};
  GameDatabase database;
};

TEST_F(GameDatabaseTablesTest, LoadReadsTheDataFileOfTheWorkingDirectory) {
  WriteDataFile(SampleFile());
  ASSERT_TRUE(database.load());

  std::string name;
  EXPECT_TRUE(database.typeName(0, name));
  EXPECT_EQ("Usagi", name);
  EXPECT_TRUE(database.typeName(1, name));
  EXPECT_EQ("", name);
  EXPECT_TRUE(database.jobName(0, 1, name));
  EXPECT_EQ("Knight", name);
  EXPECT_TRUE(database.jobName(3, 4, name));
  EXPECT_EQ("DarkLord", name);
  EXPECT_TRUE(database.jobName(0, 4, name));
  EXPECT_EQ("", name);

  EXPECT_EQ(Keys{"basic"}, SkillKeys(database.skillList(0)));
  EXPECT_EQ((Keys{"one", "two"}), SkillKeys(database.skillList(1)));
  EXPECT_EQ(Keys{"magic"}, SkillKeys(database.skillList(7)));
  EXPECT_TRUE(database.skillList(2).empty());
  const SkillDefinition& one = database.skillList(1).front();
  EXPECT_EQ(4, one.masterPoints);
  EXPECT_EQ("Orb", one.masterItemName);
  ASSERT_EQ(1u, one.prerequisites.size());
  EXPECT_EQ("basic", one.prerequisites[0].key);
}

TEST_F(GameDatabaseTablesTest, NameLookupsRefuseIndicesOutOfRange) {
  WriteDataFile(CrLfLines({kBunnyRankOne, "one One 1 1 - -"}));
  ASSERT_TRUE(database.load());

  std::string name = "untouched";
  for (int type : {-1, 8}) {
    EXPECT_FALSE(database.typeName(type, name));
    EXPECT_FALSE(database.jobName(type, 0, name));
  }
  for (int slot : {-1, 5}) EXPECT_FALSE(database.jobName(0, slot, name));
  EXPECT_EQ("untouched", name);
  EXPECT_TRUE(database.typeName(0, name));  // no type-name section: empty, yet found
  EXPECT_EQ("", name);
  for (int index : {-1, kSkillListCount}) EXPECT_TRUE(database.skillList(index).empty());
}

TEST_F(GameDatabaseTablesTest, LoadFailsWithoutAReadableDataFile) {
  EXPECT_FALSE(database.load());
  std::filesystem::create_directory(folder.path / "vexa.dat");
  EXPECT_FALSE(database.load());
  EXPECT_TRUE(TablesEmpty(database));
}

TEST_F(GameDatabaseTablesTest, BadHeaderFailsTheLoadButKeepsWhatWasRead) {
  WriteDataFile(SampleFile() + CrLfLines({HeaderLine(kDataJobKeyBunnyRank2H), "late Late 1 1 - -",
                                          kBunnyRankOne, "three Three 1 1 - -"}));
  EXPECT_FALSE(database.load());
  std::string name;
  EXPECT_TRUE(database.typeName(3, name));
  EXPECT_EQ("Tatsu", name);
  EXPECT_EQ((Keys{"one", "two"}), SkillKeys(database.skillList(1)));
}

TEST_F(GameDatabaseTablesTest, LoadingAgainReplacesEarlierTables) {
  WriteDataFile(SampleFile());
  ASSERT_TRUE(database.load());
  WriteDataFile(CrLfLines({kBunnyRankOne, "other Other 1 1 - -"}));
  ASSERT_TRUE(database.load());

  std::string name;
  EXPECT_TRUE(database.typeName(0, name));
  EXPECT_EQ("", name);
  EXPECT_EQ(Keys{"other"}, SkillKeys(database.skillList(1)));
  EXPECT_TRUE(database.skillList(0).empty());
}

TEST_F(GameDatabaseTablesTest, ClearEmptiesTablesAndThePlan) {
  EXPECT_TRUE(TablesEmpty(database));
  EXPECT_EQ(0u, database.GetJobCode());
  EXPECT_EQ(0, database.RowCount());

  WriteDataFile(SampleFile());
  ASSERT_TRUE(database.load());
  ASSERT_TRUE(database.BuildPlan(0x312));  // bunny, rank 1
  ASSERT_EQ(3, database.RowCount());
  ASSERT_NE(0u, database.GetJobCode());

  database.clear();
  EXPECT_TRUE(TablesEmpty(database));
  EXPECT_EQ(0u, database.GetJobCode());
  EXPECT_EQ(0, database.RowCount());
  SkillEntry row;
  EXPECT_FALSE(database.CopyRowEntry(0, row));
}

}  // namespace
