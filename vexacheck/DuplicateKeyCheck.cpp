#include "vexacheck/DuplicateKeyCheck.h"

#include <JapaneseText.h>

#include <string>
#include <string_view>
#include <unordered_map>

void CheckDuplicateKeys(const SkillListTable& lists, const SkillLineTable& lines,
                        Findings& findings) {
  int currentList = -1;
  std::unordered_map<std::string_view, int> firstLines;  // of the current list
  ForEachSkill(lists, lines, [&](int list, const SkillDefinition& definition, int line) {
    if (list != currentList) {
      currentList = list;
      firstLines.clear();
    }
    const auto [first, added] = firstLines.try_emplace(definition.key, line);
    if (!added) {
      findings.push_back(
          Finding{line, Finding::Severity::kWarning,
                  FillIn(kCheckDuplicateKey, {definition.key, std::to_string(first->second)})});
    }
  });
}
