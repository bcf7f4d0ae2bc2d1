#include "vexacheck/DuplicateKeyCheck.h"

#include <JapaneseText.h>

#include <string>

void CheckDuplicateKeys(const SkillListTable& lists, const SkillLineTable& lines,
                        const SkillIndex& index, Findings& findings) {
  // The walk takes one list after another, so a key seen before in the same
  // list was last seen in it.
  const auto size = static_cast<std::size_t>(index.Size());
  std::vector<int> lastList(size, -1);
  std::vector<int> firstLineInList(size, 0);
  ForEachSkill(lists, lines, [&](const SkillDefinition& definition, SkillPlace place) {
    const auto key = static_cast<std::size_t>(index.KeyOf(place.ordinal));
    if (lastList[key] != place.list) {
      lastList[key] = place.list;
      firstLineInList[key] = place.line;
      return;
    }
    findings.push_back(Finding{
        place.line, Finding::Severity::kWarning,
        FillIn(kCheckDuplicateKey, {definition.key, std::to_string(firstLineInList[key])})});
  });
}
