// The checker on small data files: each finding with its line, and the exit
// status the file earns. Every file ends with complete name sections unless a
// case is about names, so that only the lines under test give findings.
#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DataFileReader.h"
#include "tests/core/PlanTestData.h"
#include "vexacheck/DataFileCheck.h"

namespace {

using Lines = std::vector<std::string>;
constexpr auto kWarning = Finding::Severity::kWarning;
constexpr auto kError = Finding::Severity::kError;
const std::string kColon = kDataFullWidthColon;

std::string Section(const char* glyph, const char* rank, const char* attribute = nullptr) {
  std::string name = glyph + kColon + rank;
  if (attribute != nullptr) name += kColon + attribute;
  return HeaderLine(name);
}

// Both name sections; a type or job left out is not named.
Lines NameSections(int skippedType = -1, const char* skippedJob = nullptr) {
  Lines lines{HeaderLine(kDataSectionTypeNames)};
  for (int type = 0; type < kTypeCount; ++type) {
    if (type != skippedType) lines.push_back(std::string(DataFileReader::typeGlyph(type)) + " T");
  }
  lines.push_back(HeaderLine(kDataSectionJobNames));
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount; ++slot) {
      const char* key = DataFileReader::jobKey(type, slot);
      if (key != nullptr && key != skippedJob) lines.push_back(std::string(key) + " J");
    }
  }
  return lines;
}

std::string Field(const char* pattern, const char* name, int field) {
  return FillIn(pattern, {name, std::to_string(field)});
}

// "line W|E message", so that a failure shows every finding in full.
std::string Describe(int line, Finding::Severity severity, const std::string& message) {
  return std::to_string(line) + (severity == kError ? " E " : " W ") + message;
}

struct Expected {
  int line;
  Finding::Severity severity;
  std::string message;
};

struct Case {
  const char* what;
  Lines lines;
  std::vector<Expected> findings;
  int exitStatus;
  bool withNames = true;
};

class DataFileCheckTest : public ::testing::Test {
 protected:
  CheckResult Check(Lines lines, bool withNames) {
    if (withNames) {
      const Lines names = NameSections();
      lines.insert(lines.end(), names.begin(), names.end());
    }
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return CheckDataFile(folder.Write("check.dat", bytes));
  }

  ScratchFolder folder;
};

TEST_F(DataFileCheckTest, ReportsEachFindingAtItsLine) {
  const std::string bunny = kTypeGlyphBunny;
  const Case cases[] = {
      {"lines the reader drops",
       {Section(kTypeGlyphBunny, kDataRankFirst), "k1 n 1 1 - -", "k2 n", "k3 n 0 1 - -",
        "k4 n 1 -3 - -", "k5 n 1 1 0 -", "k6 n 1 1 - Orb:-2", "k7 n 1 1 - - k1 k1:-1",
        HeaderLine(kDataSectionAttackBasic) + " ; comment", "k8\xFF\x81 n 1 1 - -",
        HeaderLine(kDataSectionMagicBasic), HeaderLine(kDataSectionTypeNames), "X name",
        HeaderLine(kDataSectionJobNames), bunny + kColon + kDataRankSecond + "S2 x"},
       {{3, kWarning, Field(kCheckFieldMissing, kCheckFieldLearnLevel, 3)},
        {4, kWarning, Field(kCheckBelowOne, kCheckFieldLearnLevel, 3)},
        {5, kWarning, Field(kCheckBelowOne, kCheckFieldLearnPoints, 4)},
        {6, kWarning, Field(kCheckNeitherDashNorPositive, kCheckFieldMasterPoints, 5)},
        {7, kWarning, Field(kCheckNegative, kCheckFieldMasterItem, 6)},
        {8, kWarning, Field(kCheckNegative, kCheckFieldPrerequisite, 8)},
        {9, kWarning, kCheckLooksLikeHeader},
        {9, kWarning, Field(kCheckFieldMissing, kCheckFieldName, 2)},
        {10, kWarning, FillIn(kCheckInvalidShiftJis, {"3", "FF"})},
        {11, kWarning, kCheckEmptySection},
        {13, kWarning, kCheckUnknownTypeGlyph},
        {15, kWarning, kCheckUnknownJobKey}},
       1},
      {"lines before the first header",
       {"; a comment", "stray n 1 1 - -", " " + HeaderLine(kDataSectionAttackBasic),
        HeaderLine(kDataSectionAttackBasic), "a n 1 1 - -"},
       {{2, kWarning, kCheckBeforeFirstHeader}, {3, kWarning, kCheckLooksLikeHeader}},
       1},
      {"a header that ends the read",
       {HeaderLine(kDataSectionAttackBasic), "a n 0 1 - -", HeaderLine(kDataJobKeyBunnyRank2H),
        "b n 0 1 - -"},
       {{1, kWarning, kCheckEmptySection},
        {2, kWarning, Field(kCheckBelowOne, kCheckFieldLearnLevel, 3)},
        {3, kError, kCheckUnknownSection}},
       2},
      {"prerequisites, keys and cycles",
       {HeaderLine(kDataSectionAttackBasic), "base n 1 1 - - one", "dup n 1 1 - -", "dup n 1 1 - -",
        "wish n 1 1 - - ghost base:2 base:1", Section(kTypeGlyphBunny, kDataRankFirst),
        "one n 1 1 5 - dup:11", "x n 1 1 - - z", "y n 1 1 - - x", "z n 1 1 - - y",
        "self n 1 1 - - self", Section(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWater),
        "w n 1 1 - - f", Section(kTypeGlyphSheep, kDataRankFirst, kDataAttributeFire),
        "f n 1 1 - -"},
       {{2, kWarning, FillIn(kCheckPrerequisiteNotInPlan, {"one", kDataJobKeyBunnyBasic})},
        {4, kWarning, FillIn(kCheckDuplicateKey, {"dup", "3"})},
        {5, kWarning, FillIn(kCheckUnknownPrerequisite, {"ghost"})},
        {5, kWarning, FillIn(kCheckPrerequisiteAboveMax, {"base", "2", "1"})},
        {7, kWarning, FillIn(kCheckPrerequisiteAboveMax, {"dup", "11", "1"})},
        {8, kWarning,
         FillIn(kCheckCycle, {std::string("x") + kCheckCycleArrow + "z" + kCheckCycleArrow + "y" +
                              kCheckCycleArrow + "x"})},
        {11, kWarning, FillIn(kCheckCycle, {std::string("self") + kCheckCycleArrow + "self"})},
        {13, kWarning,
         FillIn(kCheckPrerequisiteNotInPlan,
                {"f", std::string(kDataJobKeySheepRank1) + kCheckAttributeOpen +
                          kDataAttributeWater + kCheckAttributeClose})}},
       1},
      {"names never set",
       {},
       {{0, kWarning, kCheckNoTypeNameSection}, {0, kWarning, kCheckNoJobNameSection}},
       1,
       false},
      {"names left out",
       [] {
         Lines lines = NameSections(7, kDataJobKeyDragonRank2S2);
         lines.insert(lines.begin() + 8, kTypeGlyphFox);  // a glyph alone sets an empty name
         return lines;
       }(),
       {{1, kWarning, FillIn(kCheckTypeNameUnset, {kTypeGlyphFox})},
        {1, kWarning, FillIn(kCheckTypeNameUnset, {kTypeGlyphRaccoon})},
        {10, kWarning, FillIn(kCheckJobNameUnset, {kDataJobKeyDragonRank2S2})}},
       1,
       false},
      {"a clean file",
       {HeaderLine(kDataSectionAttackBasic), "a n 1 1 5 Orb:2", "b n 2 1 - - a:11"},
       {},
       0},
  };
  for (const Case& c : cases) {
    const CheckResult result = Check(c.lines, c.withNames);
    std::vector<std::string> found, expected;
    for (const Finding& finding : result.findings) {
      found.push_back(Describe(finding.line, finding.severity, finding.message));
    }
    for (const Expected& finding : c.findings) {
      expected.push_back(Describe(finding.line, finding.severity, finding.message));
    }
    EXPECT_EQ(expected, found) << c.what;
    EXPECT_EQ(c.exitStatus, result.ExitStatus()) << c.what;
  }
}

TEST_F(DataFileCheckTest, AnUnreadableFileIsRefusedAsAWhole) {
  const CheckResult result = CheckDataFile((folder.path / "absent.dat").string());
  ASSERT_EQ(1u, result.findings.size());
  EXPECT_EQ(
      Describe(0, kError, kCheckUnreadable),
      Describe(result.findings[0].line, result.findings[0].severity, result.findings[0].message));
  EXPECT_EQ(2, result.ExitStatus());
}

TEST(ShippedDataCheckTest, ChecksClean) {
  const CheckResult result = CheckDataFile(PELL_SHIPPED_DATA_FILE);
  for (const Finding& finding : result.findings)
    ADD_FAILURE() << finding.line << ": " << finding.message;
  EXPECT_EQ(0, result.ExitStatus());
}

}  // namespace
