// The code a selection composes, building a plan from it, its level rules and its overview.
#include <chrono>
#include <functional>

#include "plan/Selection.h"
#include "tests/core/PlanTestData.h"

namespace {

using Names = std::vector<std::string>;
constexpr int kMax = 2147483647;

// The rows as "key[label]@learnLevel", the label only when set, the level only when not 1.
std::string Rows(const GameDatabase& database) {
  std::string rows;
  SkillEntry entry;
  for (int row = 0; row < database.RowCount(); ++row) {
    EXPECT_TRUE(database.CopyRowEntry(row, entry));
    rows += (row > 0 ? " " : "") + entry.key;
    if (!entry.jobLabel.empty()) rows += "[" + entry.jobLabel + "]";
    if (entry.learnLevel != 1) rows += "@" + std::to_string(entry.learnLevel);
  }
  return rows;
}

// The positions of the boxes for which a test holds, as "056".
std::string Boxes(const std::function<bool(AttributeBox)>& holds) {
  std::string boxes;
  for (AttributeBox box : kAttributeBoxes)
    if (holds(box)) boxes += std::to_string(Index(box));
  return boxes;
}

// Each type and job: the code it builds (water and light set, which count for the sheep and the
// dragon only) and the boxes it enables; no type or no job builds nothing. Setting an element
// clears the two that are not its neighbours in the cycle; light and dark clear each other.
TEST(SelectionTest, EachTypeAndJobBuildsItsCodeAndEnablesTheBoxesThatCount) {
  constexpr JobCode kTypeBits[8] = {0x12, 0x11, 0x22, 0x21, 0x42, 0x41, 0x82, 0x81};
  constexpr JobCode kJobBits[4] = {0x100, 0x300, 0x1300, 0x2300};
  const std::string sheep[4] = {"", "01234", "0123456", "01234"};
  const std::string dragon[4] = {"", "56", "0123456", "56"};
  Selection selection;
  selection.attributes[Index(AttributeBox::kWater)] = true;
  selection.attributes[Index(AttributeBox::kLight)] = true;
  for (int type = 0; type < 8; ++type) {
    for (int job = 0; job < 4; ++job) {
      selection.type = type;
      selection.job = job;
      const JobCode attributes = type == 2 || type == 3 ? 0x210000 : 0;
      EXPECT_EQ(static_cast<int>(kTypeBits[type] | kJobBits[job] | attributes),
                JobCodeOf(selection));
      const std::string enabled = type == 2 ? sheep[job] : type == 3 ? dragon[job] : "";
      EXPECT_EQ(enabled, Boxes([&](AttributeBox box) { return AttributeEnabled(type, job, box); }))
          << type << "/" << job;
    }
  }
  EXPECT_EQ(-1, JobCodeOf(Selection{3, -1, {}}));
  EXPECT_EQ(-1, JobCodeOf(Selection{-1, 0, {}}));
  const std::string cleared[kAttributeCount] = {"23", "34", "04", "01", "12", "6", "5"};
  for (AttributeBox set : kAttributeBoxes)
    EXPECT_EQ(cleared[Index(set)], Boxes([set](AttributeBox other) { return Clears(set, other); }));
}

// Codes as loaded from a file: the slot the plug-in is told and the job button set.
TEST(SelectionTest, LoadedCodesGiveTheirPluginSlotAndJobButton) {
  const struct {
    JobCode code;
    int slot, button;
  } codes[] = {
      {0x112, 0, 0},
      {0x82 | 0x300, 1, 1},
      {0x41 | 0x1300, 2, 2},
      {0x12, 0, -1},
      {0x21 | 0x2300 | 0x400000, 4, 3},
      {0x21 | 0x2300 | 0x200000, 3, 3},
      {0x21 | 0x2300 | 0x600000, 4, 3},  // dark wins, as the plan is built
      {0x22 | 0x2300 | 0x400000, 3, 3},  // the dark sheep has no second S job
      {0x3312, 3, 3},                    // S wins over H, as the plan is built
  };
  for (const auto& loaded : codes) {
    EXPECT_EQ(loaded.slot, PluginJobSlot(loaded.code)) << std::hex << loaded.code;
    EXPECT_EQ(loaded.button, JobButtonOfCode(loaded.code)) << std::hex << loaded.code;
  }
}

// Every list that the codes below select holds skills named after its index, except the fox's basic
// list (35) and the sheep's rank-2 base list (17). Job labels are "J<type><slot>" (NameLines).
TEST(PlanBuilderTest, CodeSelectsListsLabelsAndLearnLevels) {
  const char *const sheep = kTypeGlyphSheep, *const dragon = kTypeGlyphDragon;
  const std::string colon = kDataFullWidthColon;
  const std::string items[] = {
      AttackBasicHeader(), "b0a", "b0b",
      // Blanks next to the parts of a type section's name are dropped.
      "[ " + std::string(kTypeGlyphBunny) + " " + colon + " " + kDataRankFirst + " ]", "b1a", "b1b",
      // Only the sheep and the dragon split their ranks by attribute.
      RankHeader(kTypeGlyphBuffalo, kDataRankFirst, kDataAttributeWater), "b4a",
      "b4z Late 2147483647 1 - -", HeaderLine(kDataSectionMagicBasic), "m7",
      RankHeader(sheep, kDataRankFirst, kDataAttributeBase), "s8",
      HeaderLine(sheep + colon + kDataRankFirst + colon + " " + kDataAttributeWater + " "), "s9",
      RankHeader(sheep, kDataRankFirst, kDataAttributeWind), "s10",
      RankHeader(sheep, kDataRankSecond, kDataAttributeWater), "s18",
      RankHeader(dragon, kDataRankFirst, kDataAttributeBase), "d23",
      RankHeader(dragon, kDataRankFirst, kDataAttributeLight), "d24",
      RankHeader(dragon, kDataRankFirst, kDataAttributeDark), "d25",
      RankHeader(dragon, kDataRankSecond, kDataAttributeBase), "d32",
      RankHeader(dragon, kDataRankSecond, kDataAttributeLight), "d33",
      RankHeader(dragon, kDataRankSecond, kDataAttributeDark), "d34",
      RankHeader(kTypeGlyphFox, kDataRankFirst), "f36"};
  std::vector<std::string> lines = NameLines();
  for (const std::string& item : items)
    lines.push_back(item.find_first_of("[ ") != std::string::npos ? item : item + " n 1 1 - -");
  ScratchFolder folder;
  GameDatabase database;
  ASSERT_TRUE(LoadDataLines(database, folder, lines));

  const struct {
    JobCode code;
    bool built;
    JobCode jobCodeAfter;
    const char* rows;
  } cases[] = {
      // Rank 2 (H) adds the other pair member's rank-1 lists fifty levels later, saturating.
      {0x1312, true, 0x1312, "b0a[J00] b0b b1a[J01] b1b b4a[J02]@51 b4z@2147483647"},
      // The dragon's dark rank 2 (S) is its second S job; the code keeps no S2 bit.
      {0x402321, true, 0x402321, "m7[J30] d23[J31] d25 d32[J34] d34"},
      {0x202321, true, 0x202321, "m7[J30] d23[J31] d24 d32[J33] d33"},
      // The dragon's H block is the sheep's rank 1 with its element lists.
      {0x11321, true, 0x11321, "m7[J30] d23[J31] s8[J32]@51 s9@51"},
      // Member bits 0 or 3 in the magic pair: the dragon's labels, no rank lists.
      {0x12323, true, 0x12323, "m7[J30]"},
      // An empty list hands its label on within its block only.
      {0x12322, true, 0x12322, "m7[J20] s8[J21] s9 s18[J23]"},
      {0x342, true, 0x342, "f36[J41]"},
      // Both rank-2 bits: the S lists (bunny's, empty here) win over the H lists.
      {0x3312, true, 0x3312, "b0a[J00] b0b b1a[J01] b1b"},
      // No type pair: the plan is emptied, the code kept.
      {0x332, false, 0x3312, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.built, database.BuildPlan(c.code)) << std::hex << c.code;
    EXPECT_EQ(c.jobCodeAfter, database.GetJobCode()) << std::hex << c.code;
    EXPECT_EQ(c.rows, Rows(database)) << std::hex << c.code;
  }

  // Rows beyond the plan are refused.
  SkillEntry out;
  ChangeList changes{42};
  EXPECT_TRUE(!database.CopyRowEntry(0, out) && database.RowPoints(0) == -1);
  EXPECT_EQ(-1, database.StepRowLevel(0, Up, changes));
  EXPECT_EQ(ChangeList{42}, changes);
}

class LevelRulesTest : public ::testing::Test {
 protected:
  void Build(const std::vector<std::string>& skillLines) {
    std::vector<std::string> lines{AttackBasicHeader()};
    lines.insert(lines.end(), skillLines.begin(), skillLines.end());
    ASSERT_TRUE(LoadDataLines(database, folder, lines));
    ASSERT_TRUE(database.BuildPlan(kBunnyBasic));
  }
  int Steps(const std::string& steps) { return ::Steps(database, steps, &changes); }

  ScratchFolder folder;
  GameDatabase database;
  ChangeList changes;
};

// Each case builds a plan of its skills, makes the steps before, then one step, and checks what it
// answers and reports, every row's level and the total.
TEST_F(LevelRulesTest, StepsRaisePrerequisitesAndClearDependents) {
  using Skills = std::vector<std::string>;
  const Skills deep = {"s n 1 1 - - a:3 b:1", "a n 1 1 5 -", "b n 1 1 5 - c:2", "c n 1 1 5 -"};
  const Skills twice = {"a n 1 1 - - b:1 c:1", "b n 1 1 - - d:2", "c n 1 1 - - d:3", "d n 1 1 5 -"};
  // "absent" has no row: it reports -1 and is not counted.
  const Skills overMax = {"s n 1 2 5 - one:15 absent:4", "one n 1 3 - -"};
  const Skills shared = {"s n 1 1 5 -", "c n 1 1 - - s:3", "d n 1 1 - - s:2", "e n 1 1 - - c:1",
                         "f n 1 1 - - c:0"};
  const std::string raised = "s+ s+ s+ c+ d+ e+ f+";
  const Skills bounds = {"m n 1 2 5 -", "single n 1 4 - -"};
  const Skills cycle = {"a n 1 1 - - b:1", "b n 1 1 - - a:1"};
  const Skills huge = {"x X 1 2147483647 - -", "y Y 1 2147483647 - -", "z Z 1 1 2147483647 -"};
  const struct {
    const Skills& skills;
    std::string before, step;
    int result;
    std::vector<int> changes, levels;
    int total;
  } cases[] = {
      // Raising from 0 raises the unmet prerequisites, depth first; a shared one ends at the
      // highest requirement.
      {deep, "a+ a+ a+ a+ a+", "s+", 1, {0, 2, 3}, {1, 5, 1, 2}, 9},
      {twice, "", "a+", 1, {0, 1, 3, 2, 3}, {1, 1, 1, 3}, 6},
      // Max from 0 raises like Up, past a prerequisite's maximum, where Up stops.
      {overMax, "", "s*", 11, {0, 1, -1}, {11, 15}, 33},
      {overMax, "s*", "one+", 15, {1}, {11, 15}, 33},
      {overMax, "", "absent+", -1, {-99}, {0, 0}, 0},
      // Lowering clears the dependents that need more, and theirs, also those at 0.
      {shared, raised, "s-", 2, {0, 1, 3}, {2, 0, 1, 0, 1}, 4},
      {shared, raised + " s-", "s0", 0, {0, 1, 3, 2}, {0, 0, 0, 0, 1}, 1},
      {bounds, "", "m-", 0, {0}, {0, 0}, 0},
      {bounds, "single*", "single+", 1, {1}, {0, 1}, 4},
      {bounds, "m*", "m+", 11, {0}, {11, 0}, 16},
      // Raising a cycle ends; clearing it clears each skill once.
      {cycle, "", "a+", 1, {0, 1}, {1, 1}, 2},
      {cycle, "a+", "a-", 0, {0, 1, 0}, {0, 0}, 0},
      // Points and the total add the master step in 64 bits and clamp.
      {huge, "x+", "y+", 1, {1}, {1, 1, 0}, kMax},
      {huge, "", "z*", 11, {2}, {0, 0, 11}, kMax},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before + " then " + c.step);
    Build(c.skills);
    Steps(c.before);
    changes = {-99};
    EXPECT_EQ(c.result, Steps(c.step));
    EXPECT_EQ(c.changes, changes);
    EXPECT_EQ(c.levels, RowLevels(database));
    EXPECT_EQ(c.total, database.TotalPoints());
  }
}

// The walks keep their own stack; the list redraws every changed row and asks for the total after
// each, which must not recount it per row (minutes here).
TEST_F(LevelRulesTest, HundredThousandDeepChainStepsAndRedrawsInBoundedWork) {
  constexpr int kDepth = 100000;
  std::vector<std::string> lines{"c0 n 1 1 - -"};
  for (int i = 1; i < kDepth; ++i)
    lines.push_back("c" + std::to_string(i) + " n 1 1 - - c" + std::to_string(i - 1) + ":1");
  Build(lines);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(database.StepRowLevel(kDepth - 1, Up, changes), 1);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  SkillEntry entry;
  long long shownTotal = 0;
  for (int i = 0; i < kDepth; ++i) {
    ASSERT_EQ(changes[i], kDepth - 1 - i);
    database.CopyRowEntry(changes[i], entry);
    database.RowPoints(changes[i]);
    shownTotal += database.TotalPoints();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_EQ(shownTotal, static_cast<long long>(kDepth) * kDepth);

  EXPECT_EQ(database.StepRowLevel(0, Down, changes), 0);
  ASSERT_EQ(changes.size(), static_cast<std::size_t>(kDepth));
  for (int i = 0; i < kDepth; ++i) ASSERT_EQ(changes[i], i);
  EXPECT_EQ(database.TotalPoints(), 0);
}

// "s" stands in lists 0 and 1; list 4 is the H block. The overview counts each skill once, at its
// later row; the total counts every row.
TEST(PlanOverviewTest, CountsEachSkillOnceAndItemsOfMasteredSkills) {
  ScratchFolder folder;
  GameDatabase database;
  ASSERT_TRUE(LoadDataLines(
      database, folder,
      {AttackBasicHeader(), "a A 10 1 5 Gem:3", "z Z 5 1 5 Gem:0", "s S 20 1 5 Ore:2147483647",
       "n N 3 1 - :2", RankHeader(kTypeGlyphBunny, kDataRankFirst), "s S 20 2 5 Ore:2147483647",
       "c C 7 1 5 Gem:1 a:2 gone:4", "b B 30 1 5 Ore:2147483647 s:1 s:2",
       RankHeader(kTypeGlyphBuffalo, kDataRankFirst), "h H 40 1 - Amber:3 a:1"}));
  ASSERT_TRUE(database.BuildPlan(kBunnyRank2H));
  EXPECT_EQ(-1, database.Overview().requiredLevel);  // nothing learnt

  ChangeList changes;
  for (const char* key : {"a", "z", "s", "n", "b", "h"}) database.StepLevel(key, Max, changes);
  database.StepLevel("c", Up, changes);  // learnt, not mastered: its item does not count
  EXPECT_EQ((std::vector<int>{11, 11, 11, 1, 11, 1, 11, 1}), RowLevels(database));
  SkillEntry s;
  ASSERT_TRUE(database.CopyRowEntry(2, s));
  EXPECT_EQ(4, s.rowId);  // one entry, the later row's definition, on both rows
  EXPECT_EQ(16, s.Points());
  const PlanOverview overview = database.Overview();
  EXPECT_EQ(database.TotalPoints(), overview.totalPoints);
  EXPECT_EQ(90, overview.requiredLevel);  // the H block's 40 + 50
  EXPECT_EQ(7, overview.skillCount);      // eight rows, "s" twice
  EXPECT_EQ(7, overview.learntCount);
  EXPECT_EQ(6, overview.masteredCount);
  // Two counts of 2^31-1 clamp; equal counts go by name; "Z" asks for none, "N" for a nameless
  // item.
  Names items;
  for (const MasterItemTotal& item : overview.items) {
    items.push_back(item.name + " " + std::to_string(item.count));
    for (const std::string& skill : item.skills) items.back() += " " + skill;
  }
  EXPECT_EQ((Names{"Ore 2147483647 S B", "Amber 3 H", "Gem 3 A"}), items);

  // Links name held skills by display name, others by key, each dependent once.
  SkillLinks links;
  ASSERT_TRUE(database.CopyRowLinks(5, links));  // "c", which raised "gone"
  std::string prerequisites;
  for (const auto& [key, level] : links.prerequisites) prerequisites += key + std::to_string(level);
  EXPECT_EQ("A2gone4", prerequisites);
  ASSERT_TRUE(database.CopyRowLinks(2, links));  // "s", required twice by "b"
  EXPECT_EQ(Names{"B"}, links.dependents);
  EXPECT_FALSE(database.CopyRowLinks(8, links));
}

}  // namespace
