// Plan text pasted from a chat or a post: checked whole before the plan is
// touched, then loaded as a plan file is.
#include "plan/PlanPaste.h"

#include <algorithm>
#include <set>
#include <string>

#include "data/TextUtil.h"
#include "plan/JobCodeLayout.h"

namespace {

constexpr char kBlanks[] = " \t\r\n";
constexpr char kIdeographicSpace[] = "\x81\x40";

// The bytes of the blank that starts at at: a space, a tab or an ideographic
// space (the clipboard reads a no-break space, which Shift-JIS lacks, as a
// space); 0 for none.
std::size_t BlankLength(std::string_view line, std::size_t at) {
  if (line[at] == ' ' || line[at] == '\t') return 1;
  return line.compare(at, 2, kIdeographicSpace) == 0 ? 2 : 0;
}

// Chats and forums indent what was copied and widen its spaces: each line
// loses its leading and trailing blanks, and a run of blanks inside it
// becomes one space. Walked by characters, so that the trail byte of a
// two-byte character is never taken for the start of a blank.
std::string TidiedLines(std::string_view text) {
  std::string tidied;
  tidied.reserve(text.size());
  LineCutter lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t lineStart = tidied.size();
    bool blankBefore = false;
    for (std::size_t at = 0; at < line.size();) {
      if (const std::size_t blank = BlankLength(line, at)) {
        blankBefore = tidied.size() > lineStart;
        at += blank;
        continue;
      }
      if (blankBefore) tidied += ' ';
      blankBefore = false;
      const std::size_t width = IsShiftJisLeadByte(line[at]) && at + 1 < line.size() ? 2 : 1;
      tidied.append(line.substr(at, width));
      at += width;
    }
    tidied += '\n';
  }
  return tidied;
}

// Blank lines before the plan and after it are dropped; the plan file's own
// rules then apply to what is left.
std::string_view PlanPart(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string_view();
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

bool ParsePastedPlan(std::string_view text, JobCode& code, std::vector<PlanRecord>& records) {
  return ParsePlanText(PlanPart(TidiedLines(text)), code, records);
}

// The rows BuildPlan would make are the skills of the lists the code selects.
bool PlanHoldsEveryKey(const GameTables& tables, JobCode code,
                       const std::vector<PlanRecord>& records) {
  JobCodeLayout layout;
  if (!DecodeJobCode(code, layout)) return false;
  std::set<std::string_view> keys;
  for (int index : SelectedLists(layout))
    for (const SkillDefinition& definition : tables.skillList(index)) keys.insert(definition.key);
  return std::all_of(records.begin(), records.end(),
                     [&keys](const PlanRecord& record) { return keys.count(record.key) > 0; });
}
