#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "data/DataFileReader.h"
#include "tests/core/PlanTestData.h"

namespace {

using Keys = std::vector<std::string>;

// A skill in one line: key|name|learn level|learn points|master points|item:count|key:level...
std::string Describe(const SkillDefinition& skill) {
  std::string text = skill.key + "|" + skill.displayName;
  for (int number : {skill.learnLevel, skill.learnPoints, skill.masterPoints}) {
    text += "|" + std::to_string(number);
  }
  text += "|" + skill.masterItemName + ":" + std::to_string(skill.masterItemCount);
  for (const SkillPrerequisite& required : skill.prerequisites) {
    text += "|" + required.key + ":" + std::to_string(required.level);
  }
  return text;
}

class DataFileReaderTest : public ::testing::Test {
 protected:
  DataFileReaderTest() {
    reader.setTypeNames(typeNames);
    reader.setJobNames(jobNames);
    reader.setSkillLists(skillLists);
  }

  bool Read(const std::string& bytes) { return reader.readFile(folder.Write("vexa.dat", bytes)); }

  // The one skill a file of a single bunny rank-1 line yields, or "(dropped)".
  std::string ReadSkillLine(const std::string& line) {
    skillLists[1].clear();
    EXPECT_TRUE(Read(CrLfLines({RankHeader(kTypeGlyphBunny, kDataRankFirst), line})));
    return skillLists[1].empty() ? "(dropped)" : Describe(skillLists[1].front());
  }

  ScratchFolder folder;
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  DataFileReader reader;
};

// Blanks are dropped only next to the parts of a type section name; only
// sheep and dragon look at the attribute part, each knowing its own.
TEST(DataFileSectionTest, HeaderNamesItsSectionExactly) {
  const std::string bunny = kTypeGlyphBunny, colon = kDataFullWidthColon;
  const std::string sheepOne = kTypeGlyphSheep + colon + kDataRankFirst;
  const std::pair<std::string, int> cases[] = {
      {"[ " + bunny + " " + colon + " " + kDataRankFirst + " ]", 1},
      {HeaderLine(sheepOne + colon + " " + kDataAttributeWater + " "), 9},
      {"[" + std::string(kDataSectionAttackBasic) + " ]", -1},
      {"[" + bunny + "\t" + colon + kDataRankFirst + "]", -1},
      {RankHeader(kTypeGlyphBunny, kDataRankFirst, kDataAttributeWater), 1},
      {HeaderLine(sheepOne), -1},
      {RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeLight), -1},
      {RankHeader(kTypeGlyphDragon, kDataRankFirst, kDataAttributeWater), -1},
      {RankHeader(kTypeGlyphDragon, kDataRankSecond), -1},
      {HeaderLine(kDataJobKeyBunnyRank2H), -1},
      {HeaderLine(bunny), -1},
      {"[]", -1},
      {"[", -1}};
  for (const auto& [header, index] : cases) {
    EXPECT_EQ(index, DataFileReader::sectionIndex(header)) << header;
  }
}

// GameDatabase::load reads vexa.dat from the working directory into fresh
// tables; a missing file, a read error or a header that names no section fails
// the load, and what was stored before the header stays.
TEST_F(DataFileReaderTest, LoadFailsOnAMissingFileOrBadHeaderKeepingEarlierLines) {
  GameDatabase database;
  EXPECT_FALSE(LoadDatabaseFrom(folder, database));
  std::filesystem::create_directory(folder.path / "vexa.dat");  // opens, but reading fails
  EXPECT_FALSE(LoadDatabaseFrom(folder, database));
  std::filesystem::remove(folder.path / "vexa.dat");
  ASSERT_TRUE(LoadDataLines(database, folder, {AttackBasicHeader(), "stale n 1 1 - -"}));
  for (const std::string& badHeader :
       {std::string("[]"), HeaderLine(kDataJobKeyBunnyRank2H),
        RankHeader(kTypeGlyphSheep, kDataRankFirst), std::string("[bad]\r")}) {
    const std::vector<std::string> lines = {HeaderLine(kDataSectionTypeNames),
                                            std::string(kTypeGlyphBunny) + " Usagi",
                                            RankHeader(kTypeGlyphBunny, kDataRankFirst),
                                            "early n 1 1 - -",
                                            badHeader,
                                            "late n 1 1 - -",
                                            HeaderLine(kDataSectionTypeNames),
                                            std::string(kTypeGlyphBuffalo) + " Ushi"};
    // With a CR after its "]" (the last line, without LF) a line is no header.
    const bool header = badHeader.back() == ']';
    EXPECT_EQ(!header, LoadDataLines(database, folder, lines)) << badHeader;
    std::string name;
    EXPECT_TRUE(database.typeName(0, name));
    EXPECT_EQ("Usagi", name);
    EXPECT_EQ(Keys{}, SkillKeys(database.skillList(0))) << badHeader;
    EXPECT_EQ((header ? Keys{"early"} : Keys{"early", "late"}), SkillKeys(database.skillList(1)));
  }
  EXPECT_FALSE(DataFileReader().readFile(folder.PathOf("vexa.dat")));  // no tables given
  database.clear();
  EXPECT_TRUE(database.skillList(1).empty());
}

// Lines before any section, and headers with an outer blank or a comment, are
// data lines; every line end and byte 0x1A read alike.
// Without vexa.dat in the working directory the one in the fallback folder
// (beside the program) is read; one in the working directory wins, broken or not.
TEST_F(DataFileReaderTest, LoadFallsBackOnlyWhenTheWorkingDirectoryHoldsNoFile) {
  const ScratchFolder program;
  program.Write("vexa.dat", CrLfLines({AttackBasicHeader(), "basic n 1 1 - -"}));
  const std::string fallback = program.PathOf("");
  GameDatabase database;
  const WorkingDirectory inFolder(folder.path);
  ASSERT_TRUE(database.load(fallback));
  EXPECT_EQ(Keys{"basic"}, SkillKeys(database.skillList(0)));
  folder.Write("vexa.dat",
               CrLfLines({RankHeader(kTypeGlyphBunny, kDataRankFirst), "own n 1 1 - -"}));
  ASSERT_TRUE(database.load(fallback));
  EXPECT_EQ(Keys{"own"}, SkillKeys(database.skillList(1)));
  folder.Write("vexa.dat", CrLfLines({HeaderLine(kDataJobKeyBunnyRank2H)}));
  EXPECT_FALSE(database.load(fallback));
}

TEST_F(DataFileReaderTest, OnlyExactHeaderLinesSwitchTheSection) {
  EXPECT_TRUE(Read(""));
  const std::string fox = kTypeGlyphFox;
  EXPECT_TRUE(Read("k n 1 1 - -\r\n" + AttackBasicHeader() + "\r\nfirst n 1 1 - -\n" +
                   HeaderLine(kDataSectionMagicBasic) + " ; magic\r\n " +
                   HeaderLine(kDataSectionMagicBasic) + "\r\nsecond n 1 1 - -\r\n" +
                   HeaderLine(kDataSectionTypeNames) + " \r\n" + HeaderLine(kDataSectionTypeNames) +
                   "\n" + HeaderLine(kDataSectionJobNames) + "\t\r\n" + fox +
                   " Kitsu\x1A"
                   "ne\r\n" +
                   kTypeGlyphCat + " Neko"));
  EXPECT_EQ((Keys{"first", "second"}), SkillKeys(skillLists[0]));
  EXPECT_TRUE(skillLists[7].empty());
  EXPECT_EQ((TypeNameTable{"", "", "", "",
                           "Kitsu\x1A"
                           "ne",
                           "", "Neko", ""}),
            typeNames);
  EXPECT_EQ(JobNameTable{}, jobNames);
}

TEST_F(DataFileReaderTest, SkillLineFieldsFollowTheirRulesOrTheLineIsDropped) {
  const std::pair<const char*, const char*> cases[] = {
      {"key\tname  10 3 - -", "key|name|10|3|0|:0"},
      {"key name +12a 3x 5 Orb:0 ; the rest is a comment", "key|name|12|3|5|Orb:0"},
      {"key name 1 1 99999999999 Orb:7:x", "key|name|1|1|2147483647|Orb:7"},
      {"key name 1 1 - Orb", "key|name|1|1|0|Orb:0"},
      {"key name 1 1 - - a:3 b c:+4z", "key|name|1|1|0|:0|a:3|b:0|c:4"},
      {"key name 10 3 -", "(dropped)"},
      {"key name 10 3 0 -", "(dropped)"},
      {"key name 10 3 -5 -", "(dropped)"},
      {"key name 0 3 - -", "(dropped)"},
      {"key name 10 x - -", "(dropped)"},
      {"key name 1 1 - Orb:-2", "(dropped)"},
      {"key name 1 1 - - a:1 b:-1", "(dropped)"},
      {"key name 1 ; 1 - -", "(dropped)"}};
  for (const auto& [line, skill] : cases) EXPECT_EQ(skill, ReadSkillLine(line)) << line;

  // No field has a fixed size.
  const std::string longName(1 << 20, 'n');
  std::string line = "long " + longName + " 1 1 5 item:2";
  for (int i = 0; i < 5000; ++i) line += " pre" + std::to_string(i) + ":" + std::to_string(i % 12);
  ReadSkillLine(line);
  ASSERT_EQ(1u, skillLists[1].size());
  EXPECT_EQ(longName, skillLists[1].front().displayName);
  ASSERT_EQ(5000u, skillLists[1].front().prerequisites.size());
  EXPECT_EQ(7, skillLists[1].front().prerequisites.back().level);
}

// A repeated section continues its list; among names the last line of a
// glyph or job key wins, and unknown ones are dropped.
TEST_F(DataFileReaderTest, RepeatedSectionsContinueAndNameLinesFillTheirSlot) {
  const std::string bunny = kTypeGlyphBunny, dragon = kTypeGlyphDragon;
  EXPECT_TRUE(Read(CrLfLines(
      {RankHeader(kTypeGlyphBunny, kDataRankFirst), "a n 1 1 - -",
       RankHeader(kTypeGlyphSheep, kDataRankSecond, kDataAttributeWater), "w n 1 1 - -",
       RankHeader(kTypeGlyphBunny, kDataRankFirst), "b n 1 1 - -", "bad n 0 1 - -",
       HeaderLine(kDataSectionTypeNames), bunny + " Old", bunny + "  New extra fields",
       std::string(kTypeGlyphLion) + " Shishi", std::string(kTypeGlyphRaccoon), "Unknown Name",
       HeaderLine(kDataSectionJobNames), std::string(kDataJobKeyBunnyRank1) + " Knight",
       std::string(kDataJobKeyDragonRank2S2) + " DarkLord",
       // The dragon has no plain S key and the bunny no S2 key.
       dragon + kDataFullWidthColon + kDataRankSecond + "S Wrong",
       bunny + kDataFullWidthColon + kDataRankSecond + "S2 Wrong"})));
  EXPECT_EQ((Keys{"a", "b"}), SkillKeys(skillLists[1]));
  EXPECT_EQ(Keys{"w"}, SkillKeys(skillLists[18]));
  EXPECT_EQ((TypeNameTable{"New", "", "", "", "", "Shishi", "", ""}), typeNames);
  JobNameTable expected{};
  expected[0][1] = "Knight";
  expected[3][4] = "DarkLord";
  EXPECT_EQ(expected, jobNames);
}

}  // namespace
