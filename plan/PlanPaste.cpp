// Plan text pasted from a chat or a post: checked whole before the plan is
// touched, then loaded as a plan file is.
#include <algorithm>
#include <mutex>
#include <set>

#include "plan/GameDatabase.h"
#include "plan/JobCodeLayout.h"

namespace {

constexpr char kBlanks[] = " \t\r\n";

// Chat programs add blank lines and indentation around what was copied; the
// plan file's own rules then apply to what is left. The last line keeps its
// blanks, since a level may be written as nothing after the key's space.
std::string_view PlanPart(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string_view();
  const std::size_t lastLineEnd = text.find('\n', text.find_last_not_of(kBlanks));
  const std::size_t end = lastLineEnd == std::string_view::npos ? text.size() : lastLineEnd + 1;
  return text.substr(first, end - first);
}

}  // namespace

bool GameDatabase::PastePlan(std::string_view text) {
  if (text.size() > kPasteLimit) return false;
  JobCode code = 0;
  std::vector<PlanRecord> records;
  if (!ParsePlanText(PlanPart(text), code, records)) return false;
  std::lock_guard<std::recursive_mutex> lock(planLock);
  return PlanHoldsEveryKey(code, records) && ReplayPlan(code, records);
}

// The rows BuildPlan would make are the skills of the lists the code selects.
bool GameDatabase::PlanHoldsEveryKey(JobCode code, const std::vector<PlanRecord>& records) const {
  JobCodeLayout layout;
  if (!DecodeJobCode(code, layout)) return false;
  std::set<std::string_view> keys;
  for (int index : SelectedLists(layout))
    for (const SkillDefinition& definition : skillList(index)) keys.insert(definition.key);
  return std::all_of(records.begin(), records.end(),
                     [&keys](const PlanRecord& record) { return keys.count(record.key) > 0; });
}
