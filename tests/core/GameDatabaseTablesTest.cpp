#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/DataFileScratch.h"

namespace {

using Keys = std::vector<std::string>;

const std::string kBunnyRankOne =
    HeaderLine(std::string(kTypeGlyphBunny) + kDataFullWidthColon + kDataRankFirst);

// A small file that fills every table, two bunny rank-1 sections among them.
const std::string kSampleFile = CrLfLines(
    {"; sample", HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBunny) + " Usagi",
     std::string(kTypeGlyphDragon) + " Tatsu", HeaderLine(kDataSectionJobNames),
     std::string(kDataJobKeyBunnyRank1) + " Knight",
     std::string(kDataJobKeyDragonRank2S2) + " DarkLord", HeaderLine(kDataSectionAttackBasic),
     "basic Basic 1 1 - -", kBunnyRankOne, "one One 10 2 4 Orb:1 basic:1",
     HeaderLine(kDataSectionMagicBasic), "magic Magic 1 1 - -", kBunnyRankOne,
     "two Two 20 2 - - one"});

class GameDatabaseTablesTest : public ::testing::Test {
 protected:
  // Type names, then the job names of each type, joined by "|".
  std::string Names() const {
    std::string names, name = "unset";
    for (int type = 0; type < kTypeCount; ++type) {
      names += database.typeName(type, name) ? name + "|" : "(refused)|";
    }
    for (int type = 0; type < kTypeCount; ++type) {
      for (int slot = 0; slot < kJobSlotCount; ++slot) {
        names += database.jobName(type, slot, name) ? name + "|" : "(refused)|";
      }
    }
    return names;
  }
  bool TablesEmpty() const {
    for (int index = 0; index < kSkillListCount; ++index) {
      if (!database.skillList(index).empty()) return false;
    }
    return Names() == std::string(kTypeCount * (1 + kJobSlotCount), '|');
  }

  ScratchFolder folder;
  WorkingDirectory inFolder{folder.path};
  GameDatabase database;
};

// Each load starts from empty tables; clear empties the tables and the plan.
TEST_F(GameDatabaseTablesTest, LoadReadsTheWorkingDirectoryFileIntoFreshTables) {
  EXPECT_TRUE(TablesEmpty());
  folder.Write("vexa.dat", kSampleFile);
  ASSERT_TRUE(database.load());
  // Types 0 to 7, then the five job slots of each type.
  EXPECT_EQ("Usagi|||Tatsu|||||" "|Knight||||" + std::string(10, '|') + "||||DarkLord|" +
                std::string(20, '|'),
            Names());
  EXPECT_EQ(Keys{"basic"}, SkillKeys(database.skillList(0)));
  EXPECT_EQ((Keys{"one", "two"}), SkillKeys(database.skillList(1)));
  EXPECT_EQ(Keys{"magic"}, SkillKeys(database.skillList(7)));
  std::string name = "untouched";
  for (int type : {-1, 8}) {
    EXPECT_FALSE(database.typeName(type, name));
    EXPECT_FALSE(database.jobName(type, 0, name));
  }
  for (int slot : {-1, 5}) EXPECT_FALSE(database.jobName(0, slot, name));
  EXPECT_EQ("untouched", name);
  for (int index : {-1, kSkillListCount}) EXPECT_TRUE(database.skillList(index).empty());

  folder.Write("vexa.dat", CrLfLines({kBunnyRankOne, "other Other 1 1 - -"}));
  ASSERT_TRUE(database.load());
  EXPECT_EQ(std::string(kTypeCount * (1 + kJobSlotCount), '|'), Names());
  EXPECT_EQ(Keys{"other"}, SkillKeys(database.skillList(1)));
  EXPECT_TRUE(database.skillList(0).empty());
  EXPECT_TRUE(database.skillList(7).empty());

  folder.Write("vexa.dat", kSampleFile);
  ASSERT_TRUE(database.load());
  ASSERT_TRUE(database.BuildPlan(0x312));  // bunny, rank 1
  ASSERT_EQ(3, database.RowCount());
  database.clear();
  EXPECT_TRUE(TablesEmpty());
  EXPECT_EQ(0u, database.GetJobCode());
  EXPECT_EQ(0, database.RowCount());
  SkillEntry row;
  EXPECT_FALSE(database.CopyRowEntry(0, row));
}

// What was read before a bad header stays.
TEST_F(GameDatabaseTablesTest, LoadFailsWithoutAReadableFileOrOnABadHeader) {
  EXPECT_FALSE(database.load());
  std::filesystem::create_directory(folder.path / "vexa.dat");
  EXPECT_FALSE(database.load());
  EXPECT_TRUE(TablesEmpty());
  std::filesystem::remove(folder.path / "vexa.dat");

  folder.Write("vexa.dat", kSampleFile + CrLfLines({HeaderLine(kDataJobKeyBunnyRank2H),
                                                    "late Late 1 1 - -", kBunnyRankOne,
                                                    "three Three 1 1 - -"}));
  EXPECT_FALSE(database.load());
  EXPECT_EQ("Usagi|||Tatsu|", Names().substr(0, 14));
  EXPECT_EQ((Keys{"one", "two"}), SkillKeys(database.skillList(1)));
}

// Opened from the shell, the working directory is a plan's folder: the data
// file of the fallback folder then serves, but one in the working directory
// wins, even one that fails.
TEST_F(GameDatabaseTablesTest, LoadFallsBackOnlyWhenTheWorkingDirectoryHoldsNoFile) {
  const ScratchFolder program;
  program.Write("vexa.dat", kSampleFile);
  const std::string fallback = program.PathOf("");
  ASSERT_TRUE(database.load(fallback));
  EXPECT_EQ(Keys{"basic"}, SkillKeys(database.skillList(0)));
  folder.Write("vexa.dat", CrLfLines({kBunnyRankOne, "own Own 1 1 - -"}));
  ASSERT_TRUE(database.load(fallback));
  EXPECT_EQ(Keys{"own"}, SkillKeys(database.skillList(1)));
  folder.Write("vexa.dat", CrLfLines({HeaderLine(kDataJobKeyBunnyRank2H)}));
  EXPECT_FALSE(database.load(fallback));
  EXPECT_TRUE(TablesEmpty());
}

}  // namespace
