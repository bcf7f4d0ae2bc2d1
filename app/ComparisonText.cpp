#include "app/ComparisonText.h"

#include <JapaneseText.h>

#include "app/OverviewText.h"
#include "plan/SelectionText.h"
#include "skilllist/PlanTableText.h"
#include "skilllist/SkillCellText.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kNotHeld[] = "-";

std::string Signed(std::int32_t value) {
  return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

TextRow Figure(const char* label, std::int32_t current, std::int32_t other) {
  return {label, std::to_string(current), std::to_string(other),
          Signed(Difference(current, other))};
}

std::string LevelText(const ComparedLevel& level) {
  return level.held ? SkillLevelText(level.level, level.mastered) : kNotHeld;
}

void AppendTable(std::string& text, const TextRow& titles, const std::vector<TextRow>& rows) {
  text += kLineEnd;
  text += TableLine(titles);
  for (const TextRow& row : rows) text += TableLine(row);
}

}  // namespace

std::string PlanHeading(const char* label, const ComparedPlan& plan) {
  std::string heading = label + std::string(": ");
  if (plan.code == 0) return heading + kComparePlanNone;
  heading += plan.typeName;
  if (!plan.jobLabel.empty()) heading += " " + plan.jobLabel;
  return heading + AttributeListText(plan.attributes);
}

TextRow FigureTitles() { return {"", kCompareCurrent, kCompareOther, kCompareDifference}; }

std::vector<TextRow> FigureRows(const PlanComparison& comparison) {
  const PlanOverview& current = comparison.current.overview;
  const PlanOverview& other = comparison.other.overview;
  const bool bothLearnt = current.requiredLevel >= 0 && other.requiredLevel >= 0;
  return {
      {kOverviewRequiredLevel, RequiredLevelText(current.requiredLevel),
       RequiredLevelText(other.requiredLevel),
       bothLearnt ? Signed(Difference(current.requiredLevel, other.requiredLevel)) : "-"},
      Figure(kTableTotalTitle, current.totalPoints, other.totalPoints),
      Figure(kOverviewLearnt, current.learntCount, other.learntCount),
      Figure(kOverviewMastered, current.masteredCount, other.masteredCount),
  };
}

TextRow SkillDifferenceTitles() {
  return {kListTitleJob, kListTitleSkillName, kCompareCurrentLevel, kCompareOtherLevel,
          kComparePointDifference};
}

std::vector<TextRow> SkillDifferenceRows(const PlanComparison& comparison) {
  std::vector<TextRow> rows;
  rows.reserve(comparison.skills.size());
  for (const SkillDifference& skill : comparison.skills) {
    rows.push_back({skill.jobLabel, skill.name, LevelText(skill.current), LevelText(skill.other),
                    Signed(Difference(skill.current.points, skill.other.points))});
  }
  return rows;
}

TextRow ItemDifferenceTitles() {
  TextRow titles = FigureTitles();
  titles.front() = kOverviewColumnItem;
  return titles;
}

std::vector<TextRow> ItemDifferenceRows(const PlanComparison& comparison) {
  std::vector<TextRow> rows;
  for (const ItemDifference& item : comparison.items) {
    rows.push_back({item.name, std::to_string(item.current), std::to_string(item.other),
                    Signed(Difference(item.current, item.other))});
  }
  return rows;
}

std::string ComparisonCopyText(const PlanComparison& comparison) {
  std::string text = TableLine({PlanHeading(kCompareCurrent, comparison.current)});
  text += TableLine({PlanHeading(kCompareOther, comparison.other)});
  AppendTable(text, FigureTitles(), FigureRows(comparison));
  std::vector<TextRow> skills = SkillDifferenceRows(comparison);
  if (skills.empty()) skills.push_back({kCompareNoDifference});
  AppendTable(text, SkillDifferenceTitles(), skills);
  AppendTable(text, ItemDifferenceTitles(), ItemDifferenceRows(comparison));
  return text;
}
