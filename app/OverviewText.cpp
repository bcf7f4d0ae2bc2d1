#include "app/OverviewText.h"

#include <JapaneseText.h>

#include "skilllist/PlanTableText.h"
#include "skilllist/SkillTipText.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

std::string CountOf(int count, int skills) {
  return std::to_string(count) + " / " + std::to_string(skills);
}

}  // namespace

std::string RequiredLevelText(std::int32_t level) {
  return level >= 0 ? std::to_string(level) : "-";
}

std::vector<OverviewFigure> OverviewFigures(const PlanOverview& overview) {
  return {
      {kOverviewRequiredLevel, RequiredLevelText(overview.requiredLevel)},
      {kTableTotalTitle, std::to_string(overview.totalPoints)},
      {kOverviewLearnt, CountOf(overview.learntCount, overview.skillCount)},
      {kOverviewMastered, CountOf(overview.masteredCount, overview.skillCount)},
  };
}

std::string OverviewCopyText(const PlanOverview& overview) {
  std::string text;
  for (const OverviewFigure& figure : OverviewFigures(overview))
    text += TableLine({figure.label, figure.value});
  text += kLineEnd;
  text += TableLine({kOverviewColumnItem, kOverviewColumnCount, kOverviewColumnSkills});
  for (const MasterItemTotal& item : overview.items)
    text += TableLine({item.name, std::to_string(item.count), JoinedNames(item.skills)});
  return text;
}

std::string OverviewTipText(const PlanOverview& overview) {
  std::string text;
  for (const OverviewFigure& figure : OverviewFigures(overview)) {
    // The tip stands on the total itself.
    if (figure.label == kTableTotalTitle) continue;
    if (!text.empty()) text += kLineEnd;
    text += figure.label + std::string(": ") + figure.value;
  }
  return text;
}
