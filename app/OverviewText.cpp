#include "app/OverviewText.h"

#include <JapaneseText.h>

#include "skilllist/SkillTipText.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

std::string CountOf(int count, int skills) {
  return std::to_string(count) + " / " + std::to_string(skills);
}

}  // namespace

std::vector<OverviewFigure> OverviewFigures(const PlanOverview& overview) {
  const bool learnt = overview.requiredLevel >= 0;
  return {
      {kOverviewRequiredLevel, learnt ? std::to_string(overview.requiredLevel) : "-"},
      {kTableTotalTitle, std::to_string(overview.totalPoints)},
      {kOverviewLearnt, CountOf(overview.learntCount, overview.skillCount)},
      {kOverviewMastered, CountOf(overview.masteredCount, overview.skillCount)},
  };
}

std::string OverviewCopyText(const PlanOverview& overview) {
  std::string text;
  for (const OverviewFigure& figure : OverviewFigures(overview))
    text += figure.label + std::string("\t") + figure.value + kLineEnd;
  text += kLineEnd;
  text += kOverviewColumnItem + std::string("\t") + kOverviewColumnCount + "\t" +
          kOverviewColumnSkills + kLineEnd;
  for (const MasterItemTotal& item : overview.items)
    text +=
        item.name + "\t" + std::to_string(item.count) + "\t" + JoinedNames(item.skills) + kLineEnd;
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
