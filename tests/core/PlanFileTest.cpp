#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "plan/PlanNumber.h"
#include "tests/core/PlanTestData.h"

namespace {

using Levels = std::vector<int>;
constexpr int kMin = -2147483647 - 1;

TEST(PlanNumberTest, ReadersAreLenientAndKeepTheBitsOfAnUnsigned32BitValue) {
  // A negated job code keeps its bits, and what "%X" writes of it reads back.
  const struct {
    const char* text;
    std::uint32_t code;
  } hex[] = {{"312", 0x312},
             {"0x31e", 0x31E},
             {"0X31E", 0x31E},
             {" \t+1f junk", 0x1F},
             {"-EE", 0xFFFFFF12},
             {"FFFFFF12", 0xFFFFFF12},
             {"80000000", 0x80000000},
             {"FFFFFFFFFFFFFFFFFFFFFFFF", 0xFFFFFFFF},
             {"-FFFFFFFFFFFFFFFFFFFFFFFF", 0xFFFFFFFF},
             {"", 0},
             {"0x", 0},
             {"0x0x5", 0},
             {"zz", 0}};
  for (const auto& c : hex) EXPECT_EQ(c.code, ReadPlanHex(c.text)) << '"' << c.text << '"';

  const struct {
    const char* text;
    std::int32_t level;
  } levels[] = {{"7 trailing", 7},
                {"  +11", 11},
                {"-3", -3},
                {"2147483647", 2147483647},
                {"2147483648", kMin},
                {"-2147483648", kMin},
                {"4294967294", -2},
                {"4294967295", -1},
                {"4294967296", -1},
                {"-4294967295", 1},
                {"99999999999999999999999", -1},
                {"abc", 0},
                {"", 0}};
  for (const auto& c : levels) EXPECT_EQ(c.level, ReadPlanLevel(c.text)) << '"' << c.text << '"';
}

class PlanFileTest : public ::testing::Test {
 protected:
  // Bunny's basic list holds a (masterable), b (one level) and c (needs a at
  // 2); its rank-1 list holds r1.
  void SetUp() override {
    Load({AttackBasicHeader(), SkillDataLine("a", 2, "5"), SkillDataLine("b"),
          SkillDataLine("c", 1, "3", "a:2"), RankHeader(kTypeGlyphBunny, kDataRankFirst),
          SkillDataLine("r1", 1, "4")});
  }
  void Load(const std::vector<std::string>& lines) {
    ASSERT_TRUE(LoadDataLines(database, folder, lines));
  }

  std::string Write(const std::string& bytes) const { return folder.Write("plan.vx3", bytes); }
  void Step(const std::string& key, LevelOp op, int times = 1) {
    ChangeList changes;
    for (int i = 0; i < times; ++i) database.StepLevel(key, op, changes);
  }

  // Loads each file and checks the answer, the code and every row's level.
  struct LoadCase {
    std::string bytes;
    bool loads;
    JobCode code;
    Levels levels;
  };
  void ExpectLoads(const std::vector<LoadCase>& cases) {
    for (const LoadCase& c : cases) {
      EXPECT_EQ(c.loads, database.LoadPlan(Write(c.bytes).c_str())) << c.bytes;
      EXPECT_EQ(c.code, database.GetJobCode()) << c.bytes;
      EXPECT_EQ(c.levels, RowLevels(database)) << c.bytes;
    }
  }

  ScratchFolder folder;
  GameDatabase database;
};

// Upper-case hex, CR LF on every line, written over an existing file (also one
// with a Japanese name) through a temporary file that is gone afterwards;
// keys of any length are written whole.
TEST_F(PlanFileTest, SaveWritesCrLfLinesThatLoadBack) {
  ASSERT_TRUE(database.BuildPlan(0x31E));  // unused bits 2-3 set
  Step("c", Up);                           // raises a to 2
  Step("a", Max);
  Step("r1", Up, 4);
  Step("b", Up);
  for (const std::string& name : {std::string("saved.vx3"), std::string(kPlanTestFileName)}) {
    const std::string path = folder.Write(name, "an older, longer plan file, to be replaced");
    ASSERT_TRUE(database.SavePlan(path.c_str())) << name;
    EXPECT_EQ(folder.Read(name),
              "job 31E\r\nskill a 11\r\nskill b 1\r\nskill c 1\r\nskill r1 4\r\n");
    EXPECT_EQ(folder.Read(name), database.PlanFileText());  // what a copy puts on the clipboard
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << name;

    ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
    ASSERT_TRUE(database.LoadPlan(path.c_str())) << name;
    EXPECT_EQ(database.GetJobCode(), 0x31Eu);
    EXPECT_EQ(RowLevels(database), (Levels{11, 1, 1, 4})) << name;
  }

  const std::string longKey(3000, 'k');
  Load({AttackBasicHeader(), SkillDataLine(longKey)});
  ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  Step(longKey, Up);
  ASSERT_TRUE(database.SavePlan(folder.PathOf("long.vx3").c_str()));
  EXPECT_EQ(folder.Read("long.vx3"), "job 112\r\nskill " + longKey + " 1\r\n");
}

// Any line end and hex form; huge saved levels end at the bounds in bounded
// work; an unknown key fails after the rebuild and the later records.
TEST_F(PlanFileTest, LoadRebuildsAndReplaysEveryRecordFromTheLast) {
  ExpectLoads({
      {"job 0x31e\nskill a 4\nskill r1 2", true, 0x31E, {4, 0, 0, 2}},
      {"job 112\r\n", true, kBunnyBasic, {0, 0, 0}},
      {"job 312\r\nskill a 2147483647\r\nskill b 11\r\nskill c -2147483648\r\nskill r1 15\r\n",
       true,
       0x312,
       {11, 1, 0, 11}},
      // c raised a, whose lowering cleared c.
      {"job 312\r\nskill a -2\r\nskill b 4294967295\r\nskill c 3\r\n", true, 0x312, {0, 0, 0, 0}},
      {"job 312\r\nskill a 2\r\nskill gone 1\r\nskill r1 3\r\n", false, 0x312, {0, 0, 0, 3}},
  });

  // A prerequisite raised far above its maximum lowers to its own saved level.
  Load({AttackBasicHeader(), SkillDataLine("y", 1, "5"),
        SkillDataLine("x", 1, "-", "y:2147483647")});
  ExpectLoads({
      {"job 112\r\nskill y 3\r\nskill x 1\r\n", true, kBunnyBasic, {3, 0}},
      {"job 112\r\nskill y -2147483648\r\nskill x 1\r\n", true, kBunnyBasic, {0, 0}},
      {"job 112\r\nskill y 2147483647\r\nskill x 1\r\n", true, kBunnyBasic, {2147483647, 1}},
  });
  EXPECT_EQ(database.TotalPoints(), 2147483647);
}

TEST_F(PlanFileTest, UnreadableFileLeavesThePlanUntouched) {
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  Step("c", Up);
  const char* const badFiles[] = {
      "job 312\r\nskill a 1\r\n\r\nskill b 1\r\n",  // blank line
      "job 312\r\njob 312\r\n",
      "skill a 1\r\njob 312\r\n",
      "job 312\r\nskill a\r\n",
      "job 312\r\nlevel a 1\r\n",
      "JOB 312\r\n",
      "job\r\n",
      "",            // no job line: code 0, no character type
      "job 30\r\n",  // type-pair bits 0x30 name no type
      "job 0\r\nskill a 1\r\n",
  };
  std::vector<LoadCase> cases;
  for (const char* bytes : badFiles) cases.push_back({bytes, false, kBunnyRank1, {2, 0, 1, 0}});
  ExpectLoads(cases);
  EXPECT_FALSE(database.LoadPlan(folder.PathOf("missing.vx3").c_str()));
  EXPECT_FALSE(database.LoadPlan(nullptr));
  EXPECT_EQ(RowLevels(database), (Levels{2, 0, 1, 0}));
}

// A paste loads as a file does, around the blank text a chat adds, but all or
// nothing: whatever would fail anywhere leaves the plan and its undo and redo
// steps as they were, where a file load has rebuilt the plan already.
TEST_F(PlanFileTest, PasteLoadsWholePlansOnlyAsOneUndoStep) {
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  Step("c", Up);
  Step("b", Up);
  ASSERT_TRUE(database.Undo());  // a redo step, which a refused paste keeps
  const std::size_t limit = GameDatabase::kPasteLimit;
  const std::string jobLine = "job 112\r\n";
  const std::string refused[] = {
      "",
      " \r\n\t\r\n",
      "skill a 1\r\n",                              // no job line
      "job 312\r\nskill gone 1\r\nskill r1 3\r\n",  // a file load would keep r1 at 3
      "job 112\r\nskill r1 1\r\n",                  // r1 is no skill of the basic job
      "job 312\r\nlevel a 1\r\n",
      "job 312\r\nskill a 1\r\n\r\nskill b 1\r\n",
      "job 30\r\n",
      jobLine + std::string(limit - jobLine.size() + 1, ' '),  // over the limit, though blank
  };
  for (const std::string& text : refused) {
    EXPECT_FALSE(database.PastePlan(text)) << text.substr(0, 60);
    EXPECT_EQ(kBunnyRank1, database.GetJobCode());
    EXPECT_EQ(RowLevels(database), (Levels{2, 0, 1, 0})) << text.substr(0, 60);
    EXPECT_TRUE(database.CanRedo());
  }

  const struct {
    std::string text;
    JobCode code;
    Levels levels;
  } pasted[] = {
      {"\r\n \t\r\n  job 312\r\nskill a 4\r\nskill r1 2\r\n \r\n\t", kBunnyRank1, {4, 0, 0, 2}},
      {"\n\njob 0x31e\nskill b 1", 0x31E, {0, 1, 0, 0}},
      {jobLine + std::string(limit - jobLine.size(), ' '), kBunnyBasic, {0, 0, 0}},
  };
  for (const auto& paste : pasted) {
    const JobCode codeBefore = database.GetJobCode();
    const Levels levelsBefore = RowLevels(database);
    ASSERT_TRUE(database.PastePlan(paste.text)) << paste.text.substr(0, 60);
    EXPECT_EQ(paste.code, database.GetJobCode());
    EXPECT_EQ(paste.levels, RowLevels(database));
    EXPECT_TRUE(database.IsModified());
    ASSERT_TRUE(database.Undo());
    EXPECT_EQ(codeBefore, database.GetJobCode());
    EXPECT_EQ(levelsBefore, RowLevels(database));
    ASSERT_TRUE(database.Redo());
  }
}

TEST_F(PlanFileTest, FailedSaveLeavesAnExistingFileByteForByte) {
  const std::string kept = "job 312\r\nskill a 1\r\n";
  const std::string path = Write(kept);
  EXPECT_FALSE(database.SavePlan(path.c_str()));  // no plan built yet: no rows
  EXPECT_FALSE(database.BuildPlan(0x30));
  EXPECT_FALSE(database.SavePlan(path.c_str()));
  EXPECT_FALSE(database.SavePlan(nullptr));
  EXPECT_EQ(folder.Read("plan.vx3"), kept);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
  std::filesystem::create_directory(path + ".tmp");  // the temporary file cannot be made
  EXPECT_FALSE(database.SavePlan(path.c_str()));
  EXPECT_EQ(folder.Read("plan.vx3"), kept);
  EXPECT_TRUE(std::filesystem::is_directory(path + ".tmp"));

  const std::string folderTarget = folder.PathOf("a-folder.vx3");  // the replacement fails
  std::filesystem::create_directory(folderTarget);
  EXPECT_FALSE(database.SavePlan(folderTarget.c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
  EXPECT_FALSE(std::filesystem::exists(folderTarget + ".tmp"));
}

}  // namespace
