#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DataFileReader.h"
#include "tests/core/DataFileScratch.h"

namespace {

const std::string kColon = kDataFullWidthColon;

// glyph, colon, rank, and colon and attribute when one is given.
std::string SectionName(const char* glyph, const char* rank, const char* attribute = nullptr) {
  std::string name = glyph + kColon + rank;
  if (attribute != nullptr) name += kColon + attribute;
  return name;
}

using Keys = std::vector<std::string>;

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
    EXPECT_TRUE(Read(CrLfLines({HeaderLine(SectionName(kTypeGlyphBunny, kDataRankFirst)), line})));
    return skillLists[1].empty() ? nullptr : &skillLists[1].front();
  }

  bool TablesEmpty() const {
    for (const std::string& name : typeNames) {
      if (!name.empty()) return false;
    }
    for (const auto& row : jobNames) {
      for (const std::string& name : row) {
        if (!name.empty()) return false;
      }
    }
    for (const SkillList& list : skillLists) {
      if (!list.empty()) return false;
    }
    return true;
  }

  ScratchFolder folder;
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  DataFileReader reader;
};

TEST(DataFileSectionTest, EverySectionNameSelectsItsList) {
  const struct {
    std::string name;
    int index;
  } cases[] = {
      {kDataSectionTypeNames, 50},
      {kDataSectionJobNames, 51},
      {kDataSectionAttackBasic, 0},
      {kDataSectionMagicBasic, 7},
      {kDataSectionSenseBasic, 35},
      {kDataSectionCharmBasic, 42},
      {SectionName(kTypeGlyphBunny, kDataRankFirst), 1},
      {SectionName(kTypeGlyphBunny, kDataRankSecond), 3},
      {SectionName(kTypeGlyphBuffalo, kDataRankFirst), 4},
      {SectionName(kTypeGlyphBuffalo, kDataRankSecond), 6},
      {SectionName(kTypeGlyphFox, kDataRankFirst), 36},
      {SectionName(kTypeGlyphFox, kDataRankSecond), 38},
      {SectionName(kTypeGlyphLion, kDataRankFirst), 39},
      {SectionName(kTypeGlyphLion, kDataRankSecond), 41},
      {SectionName(kTypeGlyphCat, kDataRankFirst), 43},
      {SectionName(kTypeGlyphCat, kDataRankSecond), 45},
      {SectionName(kTypeGlyphRaccoon, kDataRankFirst), 46},
      {SectionName(kTypeGlyphRaccoon, kDataRankSecond), 48},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeBase), 8},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWater), 9},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWind), 10},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeEarth), 11},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeFire), 12},
      {SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeThunder), 13},
      {SectionName(kTypeGlyphSheep, kDataRankSecond, kDataAttributeBase), 17},
      {SectionName(kTypeGlyphSheep, kDataRankSecond, kDataAttributeThunder), 22},
      {SectionName(kTypeGlyphDragon, kDataRankFirst, kDataAttributeBase), 23},
      {SectionName(kTypeGlyphDragon, kDataRankFirst, kDataAttributeLight), 24},
      {SectionName(kTypeGlyphDragon, kDataRankFirst, kDataAttributeDark), 25},
      {SectionName(kTypeGlyphDragon, kDataRankSecond, kDataAttributeBase), 32},
      {SectionName(kTypeGlyphDragon, kDataRankSecond, kDataAttributeLight), 33},
      {SectionName(kTypeGlyphDragon, kDataRankSecond, kDataAttributeDark), 34},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.index, DataFileReader::sectionIndex(HeaderLine(c.name))) << "list " << c.index;
  }
}

TEST(DataFileSectionTest, BlanksAndAttributePartsFollowTheTypeRules) {
  const std::string bunnyOne = SectionName(kTypeGlyphBunny, kDataRankFirst);
  const struct {
    std::string header;
    int index;
  } cases[] = {
      // Blanks are dropped only next to the parts of a type section name.
      {"[ " + std::string(kTypeGlyphBunny) + " " + kColon + " " + kDataRankFirst + " ]", 1},
      {"[" + std::string(kDataSectionAttackBasic) + " ]", -1},
      {"[" + std::string(kTypeGlyphBunny) + "\t" + kColon + kDataRankFirst + "]", -1},
      // Only sheep and dragon look at the attribute part, and each knows its own.
      {HeaderLine(bunnyOne + kColon + kDataAttributeWater), 1},
      {HeaderLine(SectionName(kTypeGlyphSheep, kDataRankFirst)), -1},
      {HeaderLine(SectionName(kTypeGlyphSheep, kDataRankFirst, kDataAttributeLight)), -1},
      {HeaderLine(SectionName(kTypeGlyphSheep, kDataRankFirst) + kColon + " " +
                  kDataAttributeWater + " "),
       9},
      {HeaderLine(SectionName(kTypeGlyphDragon, kDataRankFirst, kDataAttributeWater)), -1},
      {HeaderLine(SectionName(kTypeGlyphDragon, kDataRankSecond)), -1},
      // Job keys are no section names.
      {HeaderLine(kDataJobKeyBunnyRank2H), -1},
      {HeaderLine(kDataJobKeyBunnyBasic), -1},
      {HeaderLine(kTypeGlyphBunny), -1},
      {"[]", -1},
      {"[", -1},
      {"", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.index, DataFileReader::sectionIndex(c.header)) << c.header;
}

TEST_F(DataFileReaderTest, FilesWithoutSectionsReadEmpty) {
  EXPECT_TRUE(Read(""));
  EXPECT_TRUE(
      Read(CrLfLines({"; only a comment", std::string(kTypeGlyphBunny) + " Name", "k n 1 1 - -"})));
  EXPECT_TRUE(TablesEmpty());
}

TEST_F(DataFileReaderTest, MissingFileFailsAndChangesNothing) {
  typeNames[0] = "kept";
  EXPECT_FALSE(reader.readFile((folder.path / "absent.dat").string()));
  EXPECT_EQ("kept", typeNames[0]);

  DataFileReader withoutTables;
  EXPECT_FALSE(withoutTables.readFile(folder.Write("vexa.dat", "")));
}

TEST_F(DataFileReaderTest, UnknownHeaderStopsTheReadKeepingEarlierLines) {
  for (const std::string& badHeader : {std::string("[]"), HeaderLine(kDataJobKeyBunnyRank2H),
                                       HeaderLine(SectionName(kTypeGlyphSheep, kDataRankFirst))}) {
    typeNames = {};
    skillLists = {};
    EXPECT_FALSE(Read(CrLfLines(
        {HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBunny) + " Usagi",
         HeaderLine(kDataSectionAttackBasic), "early n 1 1 - -", badHeader, "late n 1 1 - -",
         HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBuffalo) + " Ushi"})))
        << badHeader;
    EXPECT_EQ("Usagi", typeNames[0]);
    EXPECT_EQ("", typeNames[1]);
    EXPECT_EQ(Keys{"early"}, SkillKeys(skillLists[0]));
  }
}

TEST_F(DataFileReaderTest, HeaderWithOuterBlankOrCommentIsADataLine) {
  EXPECT_TRUE(Read(CrLfLines(
      {HeaderLine(kDataSectionAttackBasic), "first n 1 1 - -",
       HeaderLine(kDataSectionMagicBasic) + " ; magic", " " + HeaderLine(kDataSectionMagicBasic),
       "second n 1 1 - -", HeaderLine(kDataSectionTypeNames) + " ",
       HeaderLine(kDataSectionTypeNames), HeaderLine(kDataSectionJobNames) + "\t",
       std::string(kTypeGlyphFox) + " Kitsune"})));
  EXPECT_EQ((Keys{"first", "second"}), SkillKeys(skillLists[0]));
  EXPECT_TRUE(skillLists[7].empty());
  EXPECT_EQ("Kitsune", typeNames[4]);
  for (const auto& row : jobNames) EXPECT_EQ("", row[0]);
}

TEST_F(DataFileReaderTest, LineEndsAndControlBytesReadAlike) {
  const std::string header = HeaderLine(kDataSectionTypeNames);
  EXPECT_TRUE(Read(header + "\r\n" + kTypeGlyphBunny + " Usagi\r\n" + kTypeGlyphBuffalo +
                   " Ushi\n" + kTypeGlyphSheep +
                   " Hitsu\x1A"
                   "ji\n" +
                   kTypeGlyphDragon + " Tatsu"));
  EXPECT_EQ("Usagi", typeNames[0]);
  EXPECT_EQ("Ushi", typeNames[1]);
  EXPECT_EQ(
      "Hitsu\x1A"
      "ji",
      typeNames[2]);
  EXPECT_EQ("Tatsu", typeNames[3]);

  // A final line without LF is still judged as a header; with a CR after its "]" it is none.
  EXPECT_FALSE(Read(header + "\n" + kTypeGlyphCat + " Neko\n" + HeaderLine("bad")));
  EXPECT_EQ("Neko", typeNames[6]);
  EXPECT_TRUE(Read(header + "\n" + HeaderLine("bad") + "\r"));
}

TEST_F(DataFileReaderTest, VeryLongSkillLineIsReadWhole) {
  const std::string longName(1 << 20, 'n');
  std::string line = "long " + longName + " 1 1 5 item:2";
  for (int i = 0; i < 5000; ++i) line += " pre" + std::to_string(i) + ":" + std::to_string(i % 12);
  const SkillDefinition* skill = ReadSkillLine(line);
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ(longName, skill->displayName);
  ASSERT_EQ(5000u, skill->prerequisites.size());
  EXPECT_EQ("pre4999", skill->prerequisites.back().key);
  EXPECT_EQ(4999 % 12, skill->prerequisites.back().level);
}

TEST_F(DataFileReaderTest, SkillLineFieldsFollowTheirRules) {
  const SkillDefinition* skill = ReadSkillLine("key\tname  10 3 - -");
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ("key", skill->key);
  EXPECT_EQ("name", skill->displayName);
  EXPECT_EQ(10, skill->learnLevel);
  EXPECT_EQ(3, skill->learnPoints);
  EXPECT_EQ(0, skill->masterPoints);
  EXPECT_EQ("", skill->masterItemName);
  EXPECT_EQ(0, skill->masterItemCount);
  EXPECT_TRUE(skill->prerequisites.empty());

  skill = ReadSkillLine("key name +12a 3x 5 Orb:0 ; the rest is a comment");
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ(12, skill->learnLevel);
  EXPECT_EQ(3, skill->learnPoints);
  EXPECT_EQ(5, skill->masterPoints);
  EXPECT_EQ("Orb", skill->masterItemName);
  EXPECT_EQ(0, skill->masterItemCount);
  EXPECT_TRUE(skill->prerequisites.empty());

  skill = ReadSkillLine("key name 1 1 99999999999 Orb:7:x");
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ(2147483647, skill->masterPoints);
  EXPECT_EQ("Orb", skill->masterItemName);
  EXPECT_EQ(7, skill->masterItemCount);

  skill = ReadSkillLine("key name 1 1 - Orb");
  ASSERT_NE(nullptr, skill);
  EXPECT_EQ("Orb", skill->masterItemName);
  EXPECT_EQ(0, skill->masterItemCount);
}

TEST_F(DataFileReaderTest, MalformedSkillLinesAreDroppedWhole) {
  for (const char* line :
       {"key name 10 3 -", "key name 10 3 0 -", "key name 10 3 -5 -", "key name 0 3 - -",
        "key name 10 x - -", "key name 1 1 -- -", "key name 1 1 - Orb:-2",
        "key name 1 1 - - a:1 b:-1", "key name 1 1 - - a:-99999999999", "key name 1 ; 1 - -"}) {
    EXPECT_EQ(nullptr, ReadSkillLine(line)) << line;
  }
}

TEST_F(DataFileReaderTest, PrerequisitesKeepFileOrder) {
  const SkillDefinition* skill = ReadSkillLine("key name 1 1 - - a:3 b c:+4z");
  ASSERT_NE(nullptr, skill);
  ASSERT_EQ(3u, skill->prerequisites.size());
  EXPECT_EQ("a", skill->prerequisites[0].key);
  EXPECT_EQ(3, skill->prerequisites[0].level);
  EXPECT_EQ("b", skill->prerequisites[1].key);
  EXPECT_EQ(0, skill->prerequisites[1].level);
  EXPECT_EQ("c", skill->prerequisites[2].key);
  EXPECT_EQ(4, skill->prerequisites[2].level);
}

TEST_F(DataFileReaderTest, RepeatedSectionsContinueTheirListAndUnnamedListsStayEmpty) {
  const std::string bunnyOne = HeaderLine(SectionName(kTypeGlyphBunny, kDataRankFirst));
  const std::string sheepWater =
      HeaderLine(SectionName(kTypeGlyphSheep, kDataRankSecond, kDataAttributeWater));
  EXPECT_TRUE(Read(CrLfLines({bunnyOne, "a n 1 1 - -", sheepWater, "w n 1 1 - -", bunnyOne,
                              "b n 1 1 - -", "bad n 0 1 - -", "c n 1 1 - -"})));
  EXPECT_EQ((Keys{"a", "b", "c"}), SkillKeys(skillLists[1]));
  EXPECT_EQ(Keys{"w"}, SkillKeys(skillLists[18]));
  for (int index = 0; index < kSkillListCount; ++index) {
    if (index != 1 && index != 18) {
      EXPECT_TRUE(skillLists[index].empty()) << index;
    }
  }
}

TEST_F(DataFileReaderTest, TypeNameLines) {
  const std::string bunny = kTypeGlyphBunny;
  EXPECT_TRUE(
      Read(CrLfLines({HeaderLine(kDataSectionTypeNames), bunny + " Old",
                      bunny + "  New extra fields", std::string(kTypeGlyphRaccoon) + " Tanuki",
                      std::string(kTypeGlyphRaccoon), std::string(kTypeGlyphLion) + " Shishi",
                      "Unknown Name", std::string(kDataAttributeWater) + " Mizu"})));
  EXPECT_EQ((TypeNameTable{"New", "", "", "", "", "Shishi", "", ""}), typeNames);
}

TEST_F(DataFileReaderTest, JobNameLinesFillEveryKeyedSlot) {
  const char* const keys[kTypeCount][kJobSlotCount] = {
      {kDataJobKeyBunnyBasic, kDataJobKeyBunnyRank1, kDataJobKeyBunnyRank2H, kDataJobKeyBunnyRank2S,
       nullptr},
      {kDataJobKeyBuffaloBasic, kDataJobKeyBuffaloRank1, kDataJobKeyBuffaloRank2H,
       kDataJobKeyBuffaloRank2S, nullptr},
      {kDataJobKeySheepBasic, kDataJobKeySheepRank1, kDataJobKeySheepRank2H, kDataJobKeySheepRank2S,
       nullptr},
      {kDataJobKeyDragonBasic, kDataJobKeyDragonRank1, kDataJobKeyDragonRank2H,
       kDataJobKeyDragonRank2S1, kDataJobKeyDragonRank2S2},
      {kDataJobKeyFoxBasic, kDataJobKeyFoxRank1, kDataJobKeyFoxRank2H, kDataJobKeyFoxRank2S,
       nullptr},
      {kDataJobKeyLionBasic, kDataJobKeyLionRank1, kDataJobKeyLionRank2H, kDataJobKeyLionRank2S,
       nullptr},
      {kDataJobKeyCatBasic, kDataJobKeyCatRank1, kDataJobKeyCatRank2H, kDataJobKeyCatRank2S,
       nullptr},
      {kDataJobKeyRaccoonBasic, kDataJobKeyRaccoonRank1, kDataJobKeyRaccoonRank2H,
       kDataJobKeyRaccoonRank2S, nullptr}};
  std::string file = HeaderLine(kDataSectionJobNames) + "\r\n";
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount && keys[type][slot] != nullptr; ++slot) {
      file += std::string(keys[type][slot]) + " J" + std::to_string(type * 10 + slot) + "\r\n";
    }
  }
  // The dragon has no plain S key and the bunny no S2 key.
  file += std::string(kTypeGlyphDragon) + kColon + kDataRankSecond + "S Wrong\r\n";
  file += std::string(kTypeGlyphBunny) + kColon + kDataRankSecond + "S2 Wrong\r\n";
  EXPECT_TRUE(Read(file));

  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount; ++slot) {
      const std::string expected =
          keys[type][slot] != nullptr ? "J" + std::to_string(type * 10 + slot) : "";
      EXPECT_EQ(expected, jobNames[type][slot]) << type << "," << slot;
    }
  }
}

TEST_F(DataFileReaderTest, HandleLineLeavesTheCleanedContentInTheLine) {
  const std::string bunny = kTypeGlyphBunny;
  std::string line = " \t" + bunny + "\tUsagi  ; the comment ";
  EXPECT_TRUE(reader.handleLine(DataFileReader::kTypeNameSection, line));
  EXPECT_EQ(bunny + " Usagi", line);
  EXPECT_EQ("Usagi", typeNames[0]);
}

TEST_F(DataFileReaderTest, EntriesForNoTableAreRefused) {
  for (int section : {-1, 49, 52}) EXPECT_FALSE(reader.handleEntry(section, "k n 1 1 - -"));
  std::string onlyComment = " \t; nothing here";
  EXPECT_TRUE(reader.handleLine(-1, onlyComment));
  EXPECT_TRUE(TablesEmpty());
}

}  // namespace
