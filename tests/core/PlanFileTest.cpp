#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/GameDatabase.h"
#include "plan/PlanFile.h"
#include "plan/PlanNumber.h"
#include "tests/core/PlanTestData.h"

namespace {

using Levels = std::vector<int>;

TEST(PlanNumberTest, JobHexIsLenientAndEveryWrittenCodeReadsBack) {
  EXPECT_EQ(ReadPlanHex("312"), 0x312u);
  EXPECT_EQ(ReadPlanHex("0x31e"), 0x31Eu);
  EXPECT_EQ(ReadPlanHex("0X31E"), 0x31Eu);
  EXPECT_EQ(ReadPlanHex(" \t+1f junk"), 0x1Fu);
  // A negated value keeps its bits, and what "%X" writes of it reads back.
  EXPECT_EQ(ReadPlanHex("-EE"), 0xFFFFFF12u);
  EXPECT_EQ(ReadPlanHex("FFFFFF12"), 0xFFFFFF12u);
  EXPECT_EQ(ReadPlanHex("80000000"), 0x80000000u);
  EXPECT_EQ(ReadPlanHex("FFFFFFFFFFFFFFFFFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ReadPlanHex("-FFFFFFFFFFFFFFFFFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ReadPlanHex(""), 0u);
  EXPECT_EQ(ReadPlanHex("0x"), 0u);
  EXPECT_EQ(ReadPlanHex("0x0x5"), 0u);
  EXPECT_EQ(ReadPlanHex("zz"), 0u);
}

TEST(PlanNumberTest, LevelKeepsTheBitsOfAnUnsigned32BitValue) {
  EXPECT_EQ(ReadPlanLevel("7 trailing"), 7);
  EXPECT_EQ(ReadPlanLevel("  +11"), 11);
  EXPECT_EQ(ReadPlanLevel("-3"), -3);
  EXPECT_EQ(ReadPlanLevel("2147483647"), 2147483647);
  EXPECT_EQ(ReadPlanLevel("2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadPlanLevel("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadPlanLevel("4294967294"), -2);
  EXPECT_EQ(ReadPlanLevel("4294967295"), -1);
  EXPECT_EQ(ReadPlanLevel("4294967296"), -1);
  EXPECT_EQ(ReadPlanLevel("-4294967295"), 1);
  EXPECT_EQ(ReadPlanLevel("99999999999999999999999"), -1);
  EXPECT_EQ(ReadPlanLevel("abc"), 0);
  EXPECT_EQ(ReadPlanLevel(""), 0);
}

class PlanFileTest : public ::testing::Test {
 protected:
  // Bunny's basic list holds a (masterable), b (one level) and c (needs a at
  // 2); its rank-1 list holds r1.
  void LoadBunnyData() {
    Load({AttackBasicHeader(), SkillDataLine("a", 2, "5"), SkillDataLine("b"),
          SkillDataLine("c", 1, "3", "a:2"), HeaderLine(std::string(kTypeGlyphBunny) + kDataFullWidthColon + kDataRankFirst),
          SkillDataLine("r1", 1, "4")});
  }
  void Load(const std::vector<std::string>& lines) { ASSERT_TRUE(LoadDataLines(database, folder, lines)); }

  std::string PathOf(const std::string& name) const { return (folder.path / name).string(); }
  std::string Write(const std::string& bytes) const { return folder.Write("plan.vx3", bytes); }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void Step(const std::string& key, LevelOp op, int times = 1) {
    ChangeList changes;
    for (int i = 0; i < times; ++i) database.StepLevel(key, op, changes);
  }

  ScratchFolder folder;
  GameDatabase database;
};

TEST_F(PlanFileTest, SaveWritesJobLineAndEveryRowEndedByCrLf) {
  LoadBunnyData();
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  Step("a", Up, 3);
  const std::string path = PathOf("saved.vx3");
  ASSERT_TRUE(database.SavePlan(path.c_str()));
  EXPECT_EQ(Contents(path), "job 312\r\nskill a 3\r\nskill b 0\r\nskill c 0\r\nskill r1 0\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(PlanFileTest, SavedPlanLoadsBackWithCodeRowsAndLevels) {
  LoadBunnyData();
  ASSERT_TRUE(database.BuildPlan(0x31E));  // unused bits 2-3 set: written as upper-case hex
  Step("c", Up);  // raises a to 2
  Step("a", Max);
  Step("r1", Up, 4);
  Step("b", Up);
  const Levels saved = RowLevels(database);
  const std::string path = PathOf("round.vx3");
  ASSERT_TRUE(database.SavePlan(path.c_str()));
  EXPECT_EQ(Contents(path).substr(0, 9), "job 31E\r\n");

  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  ASSERT_TRUE(database.LoadPlan(path.c_str()));
  EXPECT_EQ(database.GetJobCode(), 0x31Eu);
  EXPECT_EQ(RowLevels(database), saved);
  EXPECT_EQ(saved, (Levels{11, 1, 1, 4}));
}

TEST_F(PlanFileTest, ReadsLfOnlyLinesLastLineWithoutLineEndAndAnyHexForm) {
  LoadBunnyData();
  ASSERT_TRUE(database.LoadPlan(Write("job 0x31e\nskill a 4\nskill r1 2").c_str()));
  EXPECT_EQ(database.GetJobCode(), 0x31Eu);
  EXPECT_EQ(RowLevels(database), (Levels{4, 0, 0, 2}));

  ASSERT_TRUE(database.LoadPlan(Write("job 0X312\r\nskill b 1\r\n").c_str()));
  EXPECT_EQ(database.GetJobCode(), 0x312u);
  EXPECT_EQ(RowLevels(database), (Levels{0, 1, 0, 0}));

  ASSERT_TRUE(database.LoadPlan(Write("job 112\r\n").c_str()));  // job line only
  EXPECT_EQ(database.GetJobCode(), kBunnyBasic);
  EXPECT_EQ(RowLevels(database), (Levels{0, 0, 0}));
}

TEST_F(PlanFileTest, UnreadableFileLeavesThePlanUntouched) {
  LoadBunnyData();
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  Step("c", Up);
  const Levels before = RowLevels(database);
  const char* const badFiles[] = {
      "job 312\r\nskill a 1\r\n\r\nskill b 1\r\n",  // blank line
      "job 312\r\njob 312\r\n",
      "skill a 1\r\njob 312\r\n",
      "job 312\r\nskill a\r\n",
      "job 312\r\nlevel a 1\r\n",
      "JOB 312\r\n",
      "job\r\n",
      "",          // no job line: code 0, no character type
      "job 30\r\n",  // type-pair bits 0x30 name no type
      "job 0\r\nskill a 1\r\n",
  };
  for (const char* bytes : badFiles) {
    EXPECT_FALSE(database.LoadPlan(Write(bytes).c_str())) << bytes;
    EXPECT_EQ(database.GetJobCode(), kBunnyRank1) << bytes;
    EXPECT_EQ(RowLevels(database), before) << bytes;
  }
  EXPECT_FALSE(database.LoadPlan(PathOf("missing.vx3").c_str()));
  EXPECT_FALSE(database.LoadPlan(nullptr));
  EXPECT_EQ(RowLevels(database), before);
}

TEST_F(PlanFileTest, UnknownKeyFailsAfterTheRebuildAndTheLaterRecords) {
  LoadBunnyData();
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  Step("b", Up);
  EXPECT_FALSE(database.LoadPlan(Write("job 312\r\nskill a 2\r\nskill gone 1\r\nskill r1 3\r\n").c_str()));
  EXPECT_EQ(database.GetJobCode(), kBunnyRank1);
  EXPECT_EQ(RowLevels(database), (Levels{0, 0, 0, 3}));
}

TEST_F(PlanFileTest, SavedLevelsOutOfRangeEndAtTheBoundsQuickly) {
  LoadBunnyData();
  ASSERT_TRUE(database.LoadPlan(Write("job 312\r\n"
                                      "skill a 2147483647\r\n"
                                      "skill b 11\r\n"
                                      "skill c -2147483648\r\n"
                                      "skill r1 15\r\n")
                                    .c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{11, 1, 0, 11}));

  ASSERT_TRUE(database.LoadPlan(Write("job 312\r\nskill a -2\r\nskill b 4294967295\r\nskill c 3\r\n").c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{0, 0, 0, 0}));  // c raised a, whose lowering cleared c
}

TEST_F(PlanFileTest, PrerequisiteRaisedFarAboveItsMaximumLowersToTheSavedLevel) {
  Load({AttackBasicHeader(), SkillDataLine("y", 1, "5"), SkillDataLine("x", 1, "-", "y:2147483647")});
  ASSERT_TRUE(database.LoadPlan(Write("job 112\r\nskill y 3\r\nskill x 1\r\n").c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{3, 0}));  // lowering y cleared x again

  ASSERT_TRUE(database.LoadPlan(Write("job 112\r\nskill y -2147483648\r\nskill x 1\r\n").c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{0, 0}));

  ASSERT_TRUE(database.LoadPlan(Write("job 112\r\nskill y 2147483647\r\nskill x 1\r\n").c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{2147483647, 1}));
  EXPECT_EQ(database.TotalPoints(), 2147483647);
}

TEST_F(PlanFileTest, KeysLongerThanAnyBufferAreWrittenWhole) {
  const std::string longKey(3000, 'k');
  Load({AttackBasicHeader(), SkillDataLine(longKey)});
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  Step(longKey, Up);
  const std::string path = PathOf("long.vx3");
  ASSERT_TRUE(database.SavePlan(path.c_str()));
  EXPECT_EQ(Contents(path), "job 112\r\nskill " + longKey + " 1\r\n");
  database.ResetLevels();
  ASSERT_TRUE(database.LoadPlan(path.c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{1}));
}

TEST_F(PlanFileTest, SaveReplacesAnExistingFileIncludingOneWithAJapaneseName) {
  LoadBunnyData();
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  Step("b", Up);
  const std::string expected = "job 112\r\nskill a 0\r\nskill b 1\r\nskill c 0\r\n";
  for (const std::string& name : {std::string("existing.vx3"), std::string(kPlanTestFileName)}) {
    const std::string path = folder.path.string() + "/" + name;
    std::ofstream(path, std::ios::binary) << "an older, longer plan file that must be replaced whole";
    ASSERT_TRUE(database.SavePlan(path.c_str())) << name;
    EXPECT_EQ(Contents(path), expected) << name;
    EXPECT_FALSE(std::ifstream(path + ".tmp").is_open()) << name;
  }
  database.ResetLevels();
  ASSERT_TRUE(database.LoadPlan((folder.path.string() + "/" + kPlanTestFileName).c_str()));
  EXPECT_EQ(RowLevels(database), (Levels{0, 1, 0}));
}

TEST_F(PlanFileTest, FailedSaveLeavesAnExistingFileByteForByte) {
  LoadBunnyData();
  const std::string kept = "job 312\r\nskill a 1\r\n";
  const std::string path = Write(kept);

  EXPECT_FALSE(database.SavePlan(path.c_str()));  // no plan built yet: no rows
  EXPECT_FALSE(database.BuildPlan(0x30));
  EXPECT_FALSE(database.SavePlan(path.c_str()));
  EXPECT_EQ(Contents(path), kept);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_FALSE(database.SavePlan(nullptr));

  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  std::filesystem::create_directory(path + ".tmp");  // the temporary file cannot be made
  EXPECT_FALSE(database.SavePlan(path.c_str()));
  EXPECT_EQ(Contents(path), kept);
  EXPECT_TRUE(std::filesystem::is_directory(path + ".tmp"));

  const std::string folderTarget = PathOf("a-folder.vx3");  // the replacement fails
  std::filesystem::create_directory(folderTarget);
  EXPECT_FALSE(database.SavePlan(folderTarget.c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
  EXPECT_FALSE(std::filesystem::exists(folderTarget + ".tmp"));
}

}  // namespace
