#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/DataFileReader.h"
#include "tests/core/DataFileScratch.h"

namespace {

const std::string kColon = kDataFullWidthColon;
using Keys = std::vector<std::string>;

// "[glyph：rank]" or "[glyph：rank：attribute]".
std::string Section(const char* glyph, const char* rank, const char* attribute = nullptr) {
  std::string name = glyph + kColon + rank;
  if (attribute != nullptr) name += kColon + attribute;
  return HeaderLine(name);
}

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

  // The one skill a file of a single bunny rank-1 line yields, or null when it was dropped.
  const SkillDefinition* ReadSkillLine(const std::string& line) {
    skillLists[1].clear();
    EXPECT_TRUE(Read(CrLfLines({Section(kTypeGlyphBunny, kDataRankFirst), line})));
    return skillLists[1].empty() ? nullptr : &skillLists[1].front();
  }

  bool TablesEmpty() const {
    for (const SkillList& list : skillLists) {
      if (!list.empty()) return false;
    }
    return typeNames == TypeNameTable{} && jobNames == JobNameTable{};
  }

  ScratchFolder folder;
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  DataFileReader reader;
};

TEST(DataFileSectionTest, HeaderSelectsItsListByTypeRankAndAttribute) {
  std::vector<std::pair<std::string, int>> cases = {
      {HeaderLine(kDataSectionTypeNames), 50}, {HeaderLine(kDataSectionJobNames), 51},
      {HeaderLine(kDataSectionAttackBasic), 0}, {HeaderLine(kDataSectionMagicBasic), 7},
      {HeaderLine(kDataSectionSenseBasic), 35}, {HeaderLine(kDataSectionCharmBasic), 42}};
  const std::pair<const char*, int> plainTypes[] = {
      {kTypeGlyphBunny, 1}, {kTypeGlyphBuffalo, 4}, {kTypeGlyphFox, 36},
      {kTypeGlyphLion, 39}, {kTypeGlyphCat, 43},    {kTypeGlyphRaccoon, 46}};
  for (const auto& [glyph, rankOne] : plainTypes) {
    cases.push_back({Section(glyph, kDataRankFirst), rankOne});
    cases.push_back({Section(glyph, kDataRankSecond), rankOne + 2});
  }
  const char* const sheep[] = {kDataAttributeBase, kDataAttributeWater, kDataAttributeWind,
                               kDataAttributeEarth, kDataAttributeFire, kDataAttributeThunder};
  for (int i = 0; i < 6; ++i) {
    cases.push_back({Section(kTypeGlyphSheep, kDataRankFirst, sheep[i]), 8 + i});
    cases.push_back({Section(kTypeGlyphSheep, kDataRankSecond, sheep[i]), 17 + i});
  }
  const char* const dragon[] = {kDataAttributeBase, kDataAttributeLight, kDataAttributeDark};
  for (int i = 0; i < 3; ++i) {
    cases.push_back({Section(kTypeGlyphDragon, kDataRankFirst, dragon[i]), 23 + i});
    cases.push_back({Section(kTypeGlyphDragon, kDataRankSecond, dragon[i]), 32 + i});
  }
  const std::string bunny = kTypeGlyphBunny;
  const std::string sheepOne = kTypeGlyphSheep + kColon + kDataRankFirst;
  cases.insert(cases.end(), {
      // Blanks are dropped only next to the parts of a type section name.
      {"[ " + bunny + " " + kColon + " " + kDataRankFirst + " ]", 1},
      {HeaderLine(sheepOne + kColon + " " + kDataAttributeWater + " "), 9},
      {"[" + std::string(kDataSectionAttackBasic) + " ]", -1},
      {"[" + bunny + "\t" + kColon + kDataRankFirst + "]", -1},
      // Only sheep and dragon look at the attribute part, and each knows its own.
      {Section(kTypeGlyphBunny, kDataRankFirst, kDataAttributeWater), 1},
      {HeaderLine(sheepOne), -1},
      {Section(kTypeGlyphSheep, kDataRankFirst, kDataAttributeLight), -1},
      {Section(kTypeGlyphDragon, kDataRankFirst, kDataAttributeWater), -1},
      {Section(kTypeGlyphDragon, kDataRankSecond), -1},
      // Job keys are no section names.
      {HeaderLine(kDataJobKeyBunnyRank2H), -1}, {HeaderLine(kDataJobKeyBunnyBasic), -1},
      {HeaderLine(bunny), -1}, {"[]", -1}, {"[", -1}, {"", -1}});
  for (const auto& [header, index] : cases) {
    EXPECT_EQ(index, DataFileReader::sectionIndex(header)) << header;
  }
}

// A read that fails keeps what was stored before it.
TEST_F(DataFileReaderTest, MissingFileOrUnknownHeaderFailsKeepingEarlierLines) {
  typeNames[0] = "kept";
  EXPECT_FALSE(reader.readFile((folder.path / "absent.dat").string()));
  EXPECT_EQ("kept", typeNames[0]);
  DataFileReader withoutTables;
  EXPECT_FALSE(withoutTables.readFile(folder.Write("vexa.dat", "")));

  for (const std::string& badHeader : {std::string("[]"), HeaderLine(kDataJobKeyBunnyRank2H),
                                       Section(kTypeGlyphSheep, kDataRankFirst)}) {
    typeNames = {};
    skillLists = {};
    EXPECT_FALSE(Read(CrLfLines(
        {HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBunny) + " Usagi",
         HeaderLine(kDataSectionAttackBasic), "early n 1 1 - -", badHeader, "late n 1 1 - -",
         HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBuffalo) + " Ushi"})))
        << badHeader;
    EXPECT_EQ((TypeNameTable{"Usagi"}), typeNames) << badHeader;
    EXPECT_EQ(Keys{"early"}, SkillKeys(skillLists[0])) << badHeader;
  }
  // A last line without LF is still judged as a header; with a CR after its "]" it is none.
  EXPECT_FALSE(Read(HeaderLine(kDataSectionTypeNames) + "\n" + HeaderLine("bad")));
  EXPECT_TRUE(Read(HeaderLine(kDataSectionTypeNames) + "\n" + HeaderLine("bad") + "\r"));
}

// Lines before any section, and headers with an outer blank or a comment, are
// data lines; every line end and byte 0x1A read alike; entries for no table are refused.
TEST_F(DataFileReaderTest, OnlyExactHeaderLinesSwitchTheSection) {
  EXPECT_TRUE(Read(""));
  EXPECT_TRUE(Read(CrLfLines(
      {"; only a comment", std::string(kTypeGlyphBunny) + " Name", "k n 1 1 - -"})));
  for (int section : {-1, 49, 52}) EXPECT_FALSE(reader.handleEntry(section, "k n 1 1 - -"));
  EXPECT_TRUE(TablesEmpty());

  const std::string fox = kTypeGlyphFox;
  EXPECT_TRUE(Read(
      HeaderLine(kDataSectionAttackBasic) + "\r\nfirst n 1 1 - -\n" +
      HeaderLine(kDataSectionMagicBasic) + " ; magic\r\n " + HeaderLine(kDataSectionMagicBasic) +
      "\r\nsecond n 1 1 - -\r\n" + HeaderLine(kDataSectionTypeNames) + " \r\n" +
      HeaderLine(kDataSectionTypeNames) + "\n" + HeaderLine(kDataSectionJobNames) + "\t\r\n" +
      fox + " Kitsu\x1A" "ne\r\n" + kTypeGlyphCat + " Neko"));
  EXPECT_EQ((Keys{"first", "second"}), SkillKeys(skillLists[0]));
  EXPECT_TRUE(skillLists[7].empty());
  EXPECT_EQ((TypeNameTable{"", "", "", "", "Kitsu\x1A" "ne", "", "Neko", ""}), typeNames);
  EXPECT_EQ(JobNameTable{}, jobNames);
}

TEST_F(DataFileReaderTest, SkillLineFieldsFollowTheirRulesOrTheLineIsDropped) {
  const std::pair<const char*, const char*> kept[] = {
      {"key\tname  10 3 - -", "key|name|10|3|0|:0"},
      {"key name +12a 3x 5 Orb:0 ; the rest is a comment", "key|name|12|3|5|Orb:0"},
      {"key name 1 1 99999999999 Orb:7:x", "key|name|1|1|2147483647|Orb:7"},
      {"key name 1 1 - Orb", "key|name|1|1|0|Orb:0"},
      {"key name 1 1 - - a:3 b c:+4z", "key|name|1|1|0|:0|a:3|b:0|c:4"}};
  for (const auto& [line, skill] : kept) {
    const SkillDefinition* read = ReadSkillLine(line);
    EXPECT_EQ(skill, read != nullptr ? Describe(*read) : "(dropped)") << line;
  }
  for (const char* line :
       {"key name 10 3 -", "key name 10 3 0 -", "key name 10 3 -5 -", "key name 0 3 - -",
        "key name 10 x - -", "key name 1 1 -- -", "key name 1 1 - Orb:-2",
        "key name 1 1 - - a:1 b:-1", "key name 1 1 - - a:-99999999999", "key name 1 ; 1 - -"}) {
    EXPECT_EQ(nullptr, ReadSkillLine(line)) << line;
  }

  const std::string longName(1 << 20, 'n');
  std::string line = "long " + longName + " 1 1 5 item:2";
  for (int i = 0; i < 5000; ++i) line += " pre" + std::to_string(i) + ":" + std::to_string(i % 12);
  const SkillDefinition* skill = ReadSkillLine(line);
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ(longName, skill->displayName);
  ASSERT_EQ(5000u, skill->prerequisites.size());
  EXPECT_EQ("pre4999:7", skill->prerequisites.back().key + ":" +
                             std::to_string(skill->prerequisites.back().level));
}

TEST_F(DataFileReaderTest, RepeatedSectionsContinueTheirListAndUnnamedListsStayEmpty) {
  const std::string bunnyOne = Section(kTypeGlyphBunny, kDataRankFirst);
  EXPECT_TRUE(Read(CrLfLines({bunnyOne, "a n 1 1 - -",
                              Section(kTypeGlyphSheep, kDataRankSecond, kDataAttributeWater),
                              "w n 1 1 - -", bunnyOne, "b n 1 1 - -", "bad n 0 1 - -",
                              "c n 1 1 - -"})));
  for (int index = 0; index < kSkillListCount; ++index) {
    const Keys expected = index == 1 ? Keys{"a", "b", "c"} : index == 18 ? Keys{"w"} : Keys{};
    EXPECT_EQ(expected, SkillKeys(skillLists[index])) << index;
  }
}

TEST_F(DataFileReaderTest, NameLinesFillTheSlotOfTheirGlyphOrJobKey) {
  const char* const keys[kTypeCount][kJobSlotCount] = {
      {kDataJobKeyBunnyBasic, kDataJobKeyBunnyRank1, kDataJobKeyBunnyRank2H,
       kDataJobKeyBunnyRank2S},
      {kDataJobKeyBuffaloBasic, kDataJobKeyBuffaloRank1, kDataJobKeyBuffaloRank2H,
       kDataJobKeyBuffaloRank2S},
      {kDataJobKeySheepBasic, kDataJobKeySheepRank1, kDataJobKeySheepRank2H,
       kDataJobKeySheepRank2S},
      {kDataJobKeyDragonBasic, kDataJobKeyDragonRank1, kDataJobKeyDragonRank2H,
       kDataJobKeyDragonRank2S1, kDataJobKeyDragonRank2S2},
      {kDataJobKeyFoxBasic, kDataJobKeyFoxRank1, kDataJobKeyFoxRank2H, kDataJobKeyFoxRank2S},
      {kDataJobKeyLionBasic, kDataJobKeyLionRank1, kDataJobKeyLionRank2H, kDataJobKeyLionRank2S},
      {kDataJobKeyCatBasic, kDataJobKeyCatRank1, kDataJobKeyCatRank2H, kDataJobKeyCatRank2S},
      {kDataJobKeyRaccoonBasic, kDataJobKeyRaccoonRank1, kDataJobKeyRaccoonRank2H,
       kDataJobKeyRaccoonRank2S}};
  const std::string bunny = kTypeGlyphBunny;
  const std::string raccoon = kTypeGlyphRaccoon;
  std::string file = CrLfLines({HeaderLine(kDataSectionTypeNames), bunny + " Old",
                                bunny + "  New extra fields", raccoon + " Tanuki", raccoon,
                                std::string(kTypeGlyphLion) + " Shishi", "Unknown Name",
                                std::string(kDataAttributeWater) + " Mizu",
                                HeaderLine(kDataSectionJobNames)});
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount && keys[type][slot] != nullptr; ++slot) {
      file += std::string(keys[type][slot]) + " J" + std::to_string(type * 10 + slot) + "\r\n";
    }
  }
  // The dragon has no plain S key and the bunny no S2 key.
  file += CrLfLines({std::string(kTypeGlyphDragon) + kColon + kDataRankSecond + "S Wrong",
                     bunny + kColon + kDataRankSecond + "S2 Wrong"});
  EXPECT_TRUE(Read(file));

  EXPECT_EQ((TypeNameTable{"New", "", "", "", "", "Shishi", "", ""}), typeNames);
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount; ++slot) {
      const std::string expected =
          keys[type][slot] != nullptr ? "J" + std::to_string(type * 10 + slot) : "";
      EXPECT_EQ(expected, jobNames[type][slot]) << type << "," << slot;
    }
  }
}

}  // namespace
