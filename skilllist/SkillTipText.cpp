#include "skilllist/SkillTipText.h"

#include <JapaneseText.h>

namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

std::string JoinedNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    if (!joined.empty()) joined += kNameSeparator;
    joined += name;
  }
  return joined;
}

std::string SkillTipText(const SkillLinks& links) {
  std::vector<std::string> required;
  for (const SkillPrerequisite& prerequisite : links.prerequisites) {
    // Level 0 asks only that the skill is there.
    const bool leveled = prerequisite.level > 0;
    required.push_back(prerequisite.key +
                       (leveled ? " Lv" + std::to_string(prerequisite.level) : std::string()));
  }
  std::string text;
  if (!required.empty()) text = kTipPrerequisites + JoinedNames(required);
  if (!links.dependents.empty()) {
    if (!text.empty()) text += kLineEnd;
    text += kTipDependents + JoinedNames(links.dependents);
  }
  return text;
}
