// Each finding with its line, and the exit status; files end with complete
// name sections unless a case is about names.
#include "tests/core/PlanTestData.h"
#include "vexacheck/DataFileCheck.h"

namespace {

using Lines = std::vector<std::string>;
const std::string kColon = kDataFullWidthColon;

// A finding as "line W|E message", so that a failure shows each one in full.
std::string W(int line, const std::string& text) { return std::to_string(line) + " W " + text; }
std::string E(int line, const std::string& text) { return std::to_string(line) + " E " + text; }
std::string Field(const char* pattern, const char* name, int field) {
  return FillIn(pattern, {name, std::to_string(field)});
}

TEST(DataFileCheckTest, ReportsEachFindingAtItsLineAndTheExitStatus) {
  const std::string bunny = kTypeGlyphBunny, wideSpace = kDataFullWidthSpace;
  const std::string wideThree = std::string(kDataFullWidthDigits).substr(6, 2);
  const struct {
    const char* what;
    Lines lines, findings;
    int exitStatus;
    bool withNames = true;
  } cases[] = {
      {"lines the reader drops",
       {RankHeader(kTypeGlyphBunny, kDataRankFirst), "k1 n 1 1 - -", "k2 n", "k3 n 0 1 - -",
        "k4 n 1 -3 - -", "k5 n 1 1 0 -", "k6 n 1 1 - Orb:-2", "k7 n 1 1 - - k1 k1:-1",
        AttackBasicHeader() + " ; comment", "k8\xFF\x81 n 1 1 - -", "k9 n " + wideThree + " 1 - -",
        "k10 n 1 x1 - -", "k11 n 1 1 none -", "k12 n 1 1 -" + wideSpace + "-",
        HeaderLine(kDataSectionMagicBasic), HeaderLine(kDataSectionTypeNames), "X name",
        HeaderLine(kDataSectionJobNames), bunny + kColon + kDataRankSecond + "S2 x"},
       {W(3, Field(kCheckFieldMissing, kCheckFieldLearnLevel, 3)),
        W(4, Field(kCheckBelowOne, kCheckFieldLearnLevel, 3)),
        W(5, Field(kCheckBelowOne, kCheckFieldLearnPoints, 4)),
        W(6, Field(kCheckNeitherDashNorPositive, kCheckFieldMasterPoints, 5)),
        W(7, Field(kCheckNegative, kCheckFieldMasterItem, 6)),
        W(8, Field(kCheckNegative, kCheckFieldPrerequisite, 8)), W(9, kCheckLooksLikeHeader),
        W(9, Field(kCheckFieldMissing, kCheckFieldName, 2)),
        W(10, FillIn(kCheckInvalidShiftJis, {"3", "FF"})),
        W(11, Field(kCheckFullWidthDigits, kCheckFieldLearnLevel, 3)),
        W(12, Field(kCheckNotANumber, kCheckFieldLearnPoints, 4)),
        W(13, Field(kCheckNotANumber, kCheckFieldMasterPoints, 5)),
        W(14, Field(kCheckFieldMissingFullWidthSpace, kCheckFieldMasterItem, 6)),
        W(15, kCheckEmptySection), W(17, kCheckUnknownTypeGlyph), W(19, kCheckUnknownJobKey)},
       1},
      {"lines before the first header",
       {"; a comment", "stray n 1 1 - -", " " + AttackBasicHeader(), AttackBasicHeader(),
        "a n 1 1 - -"},
       {W(2, kCheckBeforeFirstHeader), W(3, kCheckLooksLikeHeader)},
       1},
      {"a header that ends the read",
       {AttackBasicHeader(), "a n 0 1 - -", HeaderLine(kDataJobKeyBunnyRank2H), "b n 0 1 - -"},
       {W(1, kCheckEmptySection), W(2, Field(kCheckBelowOne, kCheckFieldLearnLevel, 3)),
        E(3, kCheckUnknownSection)},
       2},
      {"prerequisites, keys and cycles",
       {AttackBasicHeader(), "base n 1 1 - - one", "dup n 1 1 - -", "dup n 1 1 - -",
        "wish n 1 1 - - ghost base:2 base:1", RankHeader(kTypeGlyphBunny, kDataRankFirst),
        "one n 1 1 5 - dup:11", "x n 1 1 - - z", "y n 1 1 - - x", "z n 1 1 - - y",
        "self n 1 1 - - self", RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeWater),
        "w n 1 1 - - f", RankHeader(kTypeGlyphSheep, kDataRankFirst, kDataAttributeFire),
        "f n 1 1 - -"},
       {W(2, FillIn(kCheckPrerequisiteNotInPlan, {"one", kDataJobKeyBunnyBasic})),
        W(4, FillIn(kCheckDuplicateKey, {"dup", "3"})),
        W(5, FillIn(kCheckUnknownPrerequisite, {"ghost"})),
        W(5, FillIn(kCheckPrerequisiteAboveMax, {"base", "2", "1"})),
        W(7, FillIn(kCheckPrerequisiteAboveMax, {"dup", "11", "1"})),
        W(8, FillIn(kCheckCycle, {std::string("x") + kCheckCycleArrow + "z" + kCheckCycleArrow +
                                  "y" + kCheckCycleArrow + "x"})),
        W(11, FillIn(kCheckCycle, {std::string("self") + kCheckCycleArrow + "self"})),
        W(13, FillIn(kCheckPrerequisiteNotInPlan,
                     {"f", std::string(kDataJobKeySheepRank1) + kAttributeListOpen +
                               kDataAttributeWater + kAttributeListClose}))},
       1},
      {"names never set",
       {},
       {W(0, kCheckNoTypeNameSection), W(0, kCheckNoJobNameSection)},
       1,
       false},
      {"names left out",
       [] {
         Lines lines = NameLines(7, kDataJobKeyDragonRank2S2);
         lines.insert(lines.begin() + 8, kTypeGlyphFox);  // a glyph alone sets an empty name
         return lines;
       }(),
       {W(1, FillIn(kCheckTypeNameUnset, {kTypeGlyphFox})),
        W(1, FillIn(kCheckTypeNameUnset, {kTypeGlyphRaccoon})),
        W(10, FillIn(kCheckJobNameUnset, {kDataJobKeyDragonRank2S2}))},
       1,
       false},
      {"a clean file", {AttackBasicHeader(), "a n 1 1 5 Orb:2", "b n 2 1 - - a:11"}, {}, 0},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    Lines lines = c.lines, names = c.withNames ? NameLines() : Lines();
    lines.insert(lines.end(), names.begin(), names.end());
    const CheckResult result = CheckDataFile(folder.Write("check.dat", CrLfLines(lines)));
    Lines found;
    for (const Finding& finding : result.findings)
      found.push_back(
          (finding.severity == Finding::Severity::kError ? E : W)(finding.line, finding.message));
    EXPECT_EQ(c.findings, found) << c.what;
    EXPECT_EQ(c.exitStatus, result.ExitStatus()) << c.what;
  }
}

}  // namespace
