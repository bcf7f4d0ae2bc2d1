#include <filesystem>

#include "tests/core/PlanTestData.h"

namespace {

using Strings = std::vector<std::string>;

Strings SkillKeys(const SkillList& list) {
  Strings keys;
  for (const SkillDefinition& skill : list) keys.push_back(skill.key);
  return keys;
}

// A skill as key|name|learn level|learn points|master points|item:count|key:level...
std::string Describe(const SkillDefinition& skill) {
  std::string text = skill.key + "|" + skill.displayName;
  for (int number : {skill.learnLevel, skill.learnPoints, skill.masterPoints})
    text += "|" + std::to_string(number);
  text += "|" + skill.masterItemName + ":" + std::to_string(skill.masterItemCount);
  for (const SkillPrerequisite& required : skill.prerequisites)
    text += "|" + required.key + ":" + std::to_string(required.level);
  return text;
}

// Numbers read leniently and saturate; a line with a missing or bad field is dropped (the data
// checker's tests name each fault); no field has a fixed size.
TEST(DataFileReaderTest, SkillLineFieldsFollowTheirRulesOrTheLineIsDropped) {
  std::string longLine = "long " + std::string(1 << 20, 'n') + " 1 1 5 item:2";
  for (int i = 0; i < 5000; ++i) longLine += " p" + std::to_string(i) + ":" + std::to_string(i);
  ScratchFolder folder;
  GameDatabase database;
  ASSERT_TRUE(LoadDataLines(
      database, folder,
      {AttackBasicHeader(), "k1\tname  10 3 - -", "k2 name +12a 3x 5 Orb:0 ; a comment",
       "k3 name 1 1 99999999999 Orb:7:x", "no name 10 3 -", "no name 0 3 - -", "k4 name 1 1 - Orb",
       "no name 1 1 - - a:1 b:-1", "no name 1 ; 1 - -", "k5 name 1 1 - - a:3 b c:+4z", longLine}));
  Strings skills;
  for (const SkillDefinition& skill : database.skillList(0)) skills.push_back(Describe(skill));
  ASSERT_EQ(6u, skills.size());
  EXPECT_EQ((Strings{"k1|name|10|3|0|:0", "k2|name|12|3|5|Orb:0", "k3|name|1|1|2147483647|Orb:7",
                     "k4|name|1|1|0|Orb:0", "k5|name|1|1|0|:0|a:3|b:0|c:4"}),
            Strings(skills.begin(), skills.end() - 1));
  const SkillDefinition& skill = database.skillList(0).back();
  EXPECT_EQ(std::string(1 << 20, 'n'), skill.displayName);
  ASSERT_EQ(5000u, skill.prerequisites.size());
  EXPECT_EQ(4999, skill.prerequisites.back().level);
}

// Lines end at LF, with or without CR, the last at none; a lone CR and 0x1A are ordinary bytes.
// Lines before any section, and headers with an outer blank or a comment, are data lines; a section
// may come again; the last name wins. Each dropped line counts once, however many faults it has.
TEST(DataFileReaderTest, SectionsAndNamesReadAlikeWhateverTheLineEnds) {
  const std::string bunny = kTypeGlyphBunny, magic = HeaderLine(kDataSectionMagicBasic);
  const std::string bytes =
      "stray n 1 1 - -\n" + AttackBasicHeader() + "\nfirst n 1 1 - -\r\n" +
      CrLfLines({magic + " ; a comment", " " + magic, RankHeader(kTypeGlyphBunny, kDataRankFirst),
                 "r n 1 1 - -", "bad n 0 1 - -", AttackBasicHeader(), "second n 1 1 - -",
                 HeaderLine(kDataSectionTypeNames), bunny + " Old", bunny + "  New extra",
                 "Unknown Name", HeaderLine(kDataSectionJobNames) + "\t",
                 kTypeGlyphFox + std::string(" Ki\rtsu\x1Ane"), HeaderLine(kDataSectionJobNames),
                 std::string(kDataJobKeyBunnyRank1) + " Knight"}) +
      bunny + kDataFullWidthColon + kDataRankSecond + "S2 Wrong";
  ScratchFolder folder;
  folder.Write("vexa.dat", bytes);
  GameDatabase database;
  ASSERT_TRUE(LoadDatabaseFrom(folder, database));
  EXPECT_EQ((Strings{"first", "second"}), SkillKeys(database.skillList(0)));
  EXPECT_EQ(Strings{"r"}, SkillKeys(database.skillList(1)));
  EXPECT_TRUE(database.skillList(7).empty());
  Strings names(3);
  EXPECT_TRUE(database.typeName(0, names[0]) && database.typeName(4, names[1]) &&
              database.jobName(0, 1, names[2]));
  EXPECT_EQ((Strings{"New", "Ki\rtsu\x1Ane", "Knight"}), names);
  // The stray line, "bad", both magic headers and the job names header with a tab (each with two
  // faults), two unknown names.
  EXPECT_EQ(7, database.droppedLineCount());
}

// A missing file, a read error or a header naming no section fails the load, keeping the lines
// before it in tables emptied first. The working directory's vexa.dat wins, broken or not, over the
// fallback folder's (beside the program).
TEST(DataFileReaderTest, LoadFailsOnAMissingFileOrBadHeaderKeepingEarlierLines) {
  const ScratchFolder folder, program;
  program.Write("vexa.dat", CrLfLines({AttackBasicHeader(), "beside n 1 1 - -"}));
  GameDatabase database;
  EXPECT_FALSE(LoadDatabaseFrom(folder, database));
  std::filesystem::create_directory(folder.path / "vexa.dat");  // opens, but reading fails
  EXPECT_FALSE(LoadDatabaseFrom(folder, database));
  std::filesystem::remove(folder.path / "vexa.dat");
  ASSERT_TRUE(LoadDatabaseFrom(folder, database, program.PathOf("")));
  EXPECT_EQ(Strings{"beside"}, SkillKeys(database.skillList(0)));
  // A CR kept before the line end ("x\r\r\n") makes a line no header.
  for (const std::string& badHeader :
       {HeaderLine(kDataJobKeyBunnyRank2H), RankHeader(kTypeGlyphSheep, kDataRankFirst),
        std::string("[x]\r")}) {
    const bool header = badHeader.back() == ']';
    folder.Write("vexa.dat", CrLfLines({RankHeader(kTypeGlyphBunny, kDataRankFirst),
                                        "early n 1 1 - -", badHeader, "late n 1 1 - -"}));
    EXPECT_EQ(!header, LoadDatabaseFrom(folder, database, program.PathOf("")));
    EXPECT_TRUE(database.skillList(0).empty());
    EXPECT_EQ((header ? Strings{"early"} : Strings{"early", "late"}),
              SkillKeys(database.skillList(1)));
  }
}

}  // namespace
