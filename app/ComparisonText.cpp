#include "app/ComparisonText.h"

#include "app/OverviewText.h"
#include "plan/SelectionText.h"
#include "skilllist/PlanTableText.h"
#include "skilllist/SkillCellText.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kNone[] = "-";

std::string Signed(std::int32_t value) {
  return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

std::string LevelText(const ComparedLevel& level) {
  return level.held ? SkillLevelText(level.level, level.mastered) : kNone;
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

std::vector<TextRow> FigureRows(const PlanComparison& comparison) {
  const PlanOverview& current = comparison.current.overview;
  const PlanOverview& other = comparison.other.overview;
  const struct {
    const char* label;
    std::int32_t current;
    std::int32_t other;
  } figures[] = {{kOverviewRequiredLevel, current.requiredLevel, other.requiredLevel},
                 {kTableTotalTitle, current.totalPoints, other.totalPoints},
                 {kOverviewLearnt, current.learntCount, other.learntCount},
                 {kOverviewMastered, current.masteredCount, other.masteredCount}};
  std::vector<TextRow> rows;
  for (const auto& figure : figures) {
    // Only the required level is ever below 0: where no skill is learnt.
    const bool both = figure.current >= 0 && figure.other >= 0;
    rows.push_back({figure.label, RequiredLevelText(figure.current),
                    RequiredLevelText(figure.other),
                    both ? Signed(Difference(figure.current, figure.other)) : kNone});
  }
  return rows;
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

std::vector<TextRow> ItemDifferenceRows(const PlanComparison& comparison) {
  std::vector<TextRow> rows;
  for (const ItemDifference& item : comparison.items) {
    rows.push_back({item.name, std::to_string(item.current), std::to_string(item.other),
                    Signed(Difference(item.current, item.other))});
  }
  return rows;
}

std::string ComparisonCopyText(const PlanComparison& comparison) {
  std::string text = PlanHeading(kCompareCurrent, comparison.current) + kLineEnd +
                     PlanHeading(kCompareOther, comparison.other) + kLineEnd;
  AppendTable(text, TitleRow(kFigureTitles), FigureRows(comparison));
  std::vector<TextRow> skills = SkillDifferenceRows(comparison);
  if (skills.empty()) skills.push_back({kCompareNoDifference});
  AppendTable(text, TitleRow(kSkillDifferenceTitles), skills);
  AppendTable(text, TitleRow(kItemDifferenceTitles), ItemDifferenceRows(comparison));
  return text;
}
