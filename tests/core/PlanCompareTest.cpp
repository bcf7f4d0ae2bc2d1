// Two plans compared: the current one against another built from the same
// tables, as the comparison dialog and its copy show them.
#include "app/ComparisonText.h"
#include "tests/core/PlanTestData.h"

namespace {

using Names = std::vector<std::string>;

// Bunny's basic list holds a, b (one level), c and d; its rank-1 list r and c
// again; the buffalo's rank-1 list h. Types are named "T<t>", jobs "J<t><slot>".
class PlanCompareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> lines = NameLines();
    for (const std::string& line :
         {AttackBasicHeader(), std::string("a A 10 1 5 Gem:3"), std::string("b B 20 2 - -"),
          std::string("c C 5 1 5 Ore:2147483647"), std::string("d D 30 1 5 Ore:2147483647"),
          RankHeader(kTypeGlyphBunny, kDataRankFirst), std::string("r R 40 1 5 -"),
          std::string("c C 5 1 5 Ore:2147483647"), RankHeader(kTypeGlyphBuffalo, kDataRankFirst),
          std::string("h H 45 1 5 Amber:3")})
      lines.push_back(line);
    ASSERT_TRUE(LoadDataLines(database, folder, lines));
    ASSERT_TRUE(database.BuildPlan(kBunnyRank1));
    Steps(database, "a* c* d* r+");
  }
  PlanComparison WithPasted(const std::string& text) const {
    PlanComparison comparison;
    EXPECT_TRUE(database.ComparePastedPlan(text, comparison)) << text;
    return comparison;
  }
  // Each row's cells, "|" between them.
  static Names Joined(const std::vector<TextRow>& rows) {
    Names joined;
    for (const TextRow& row : rows) {
      joined.emplace_back();
      for (const std::string& cell : row)
        joined.back() += (joined.back().empty() ? "" : "|") + cell;
    }
    return joined;
  }
  std::string State() const {
    return database.PlanFileText() + std::to_string(database.CanUndo()) +
           std::to_string(database.CanRedo()) + std::to_string(database.IsModified()) +
           std::to_string(database.HistoryBytes());
  }

  ScratchFolder folder;
  GameDatabase database;
};

// The plan against itself: headings, figures without difference, no rows,
// and the copy byte for byte. Against another level of one skill: its row
// with the list's level texts and the points, and its item.
TEST_F(PlanCompareTest, EqualPlansShowNoDifferenceAndALevelChangeItsRowAndItem) {
  const PlanComparison same = WithPasted(database.PlanFileText());
  EXPECT_TRUE(same.skills.empty());
  EXPECT_TRUE(same.items.empty());
  const std::string current = std::string(kCompareCurrent) + "\t" + kCompareOther + "\t";
  EXPECT_EQ(std::string(kCompareCurrent) + ": T0 J01\r\n" + kCompareOther + ": T0 J01\r\n\r\n\t" +
                current + kCompareDifference + "\r\n" + kOverviewRequiredLevel + "\t40\t40\t0\r\n" +
                kTableTotalTitle + "\t61\t61\t0\r\n" + kOverviewLearnt + "\t4\t4\t0\r\n" +
                kOverviewMastered + "\t3\t3\t0\r\n\r\n" + kListTitleJob + "\t" +
                kListTitleSkillName + "\t" + kCompareCurrentLevel + "\t" + kCompareOtherLevel +
                "\t" + kComparePointDifference + "\r\n" + kCompareNoDifference + "\r\n\r\n" +
                kOverviewColumnItem + "\t" + current + kCompareDifference + "\r\n",
            ComparisonCopyText(same));

  const PlanComparison lowered =
      WithPasted("job 312\nskill a 3\nskill c 11\nskill d 11\nskill r 1");
  EXPECT_EQ(Names{"J00|A|Master!|3|-12"}, Joined(SkillDifferenceRows(lowered)));
  EXPECT_EQ(Names{"Gem|3|0|-3"}, Joined(ItemDifferenceRows(lowered)));
}

// Against the buffalo's rank 1: shared skills by key, c (in two lists) once at
// its later row with that block's label, r only in the current plan, h only
// in the other; Ore's two clamped sums are equal, equal-sized items go by name.
TEST_F(PlanCompareTest, AnotherJobCodeIsComparedByKeyEachSkillOnce) {
  const PlanComparison other = WithPasted("job 311\nskill a 3\nskill c 3\nskill d 11\nskill h 11");
  EXPECT_EQ(
      (Names{"J00|A|Master!|3|-12", "J01|R|1|-|-1", "J01|C|Master!|3|-12", "J11|H|-|Master!|+15"}),
      Joined(SkillDifferenceRows(other)));
  EXPECT_EQ((Names{"Amber|0|3|+3", "Gem|3|0|-3"}), Joined(ItemDifferenceRows(other)));
  std::vector<TextRow> figures = FigureRows(other);
  for (TextRow& figure : figures) figure.erase(figure.begin());  // the label
  EXPECT_EQ((Names{"40|45|+5", "61|36|-25", "4|4|0", "3|2|-1"}), Joined(figures));
  EXPECT_EQ(std::string(kCompareOther) + ": T1 J11", PlanHeading(kCompareOther, other.other));
  // The dragon's rank 2 (S) with dark names its second S job; water picks no list there.
  EXPECT_EQ(std::string(kCompareOther) + ": T3 J34" + kAttributeListOpen + kDataAttributeDark +
                kAttributeListClose,
            PlanHeading(kCompareOther, WithPasted("job 412321").other));
}

// The saved plan: the empty one before any save (every learnt skill against
// "-"), then the one saved. No comparison touches the plan, its steps or its
// modified state; a file is refused as a load refuses it.
TEST_F(PlanCompareTest, SavedPlanAndFilesLeaveThePlanAsItIs) {
  ASSERT_TRUE(database.Undo());
  const std::string before = State();
  PlanComparison unsaved;
  database.CompareSavedPlan(unsaved);
  EXPECT_EQ(std::string(kCompareOther) + ": " + kComparePlanNone,
            PlanHeading(kCompareOther, unsaved.other));
  EXPECT_EQ((Names{"J00|A|Master!|-|-15", "J00|D|Master!|-|-15", "J01|C|Master!|-|-15"}),
            Joined(SkillDifferenceRows(unsaved)));
  EXPECT_EQ((Names{"Ore|2147483647|0|-2147483647", "Gem|3|0|-3"}),
            Joined(ItemDifferenceRows(unsaved)));
  EXPECT_EQ("-", FigureRows(unsaved)[0][3]);
  PlanComparison comparison;
  EXPECT_TRUE(database.ComparePlanFile(
      folder.Write("other.vx3", "job 312\r\nskill a 11\r\nskill b 1\r\n").c_str(), comparison));
  EXPECT_EQ((Names{"J00|B|0|Master!|+2", "J00|D|Master!|0|-15", "J01|C|Master!|0|-15"}),
            Joined(SkillDifferenceRows(comparison)));
  EXPECT_FALSE(database.ComparePlanFile(
      folder.Write("gone.vx3", "job 312\r\nskill z 1\r\n").c_str(), comparison));
  EXPECT_FALSE(database.ComparePlanFile(nullptr, comparison));
  EXPECT_EQ(before, State());

  ASSERT_TRUE(database.SavePlan(folder.PathOf("saved.vx3").c_str()));
  database.CompareSavedPlan(comparison);
  EXPECT_TRUE(comparison.skills.empty());
}

}  // namespace
