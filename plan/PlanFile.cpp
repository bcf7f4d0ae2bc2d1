#include "plan/PlanFile.h"

#include "data/FileBytes.h"
#include "data/ReadLimits.h"
#include "data/TextUtil.h"
#include "plan/PlanNumber.h"

namespace {

constexpr std::string_view kJobKeyword = "job";
constexpr std::string_view kSkillKeyword = "skill";
constexpr char kLineEnd[] = "\r\n";

}  // namespace

std::string PlanText(JobCode code, const std::vector<PlanRecord>& records) {
  std::string text = std::string(kJobKeyword) + " " + UpperHex(code) + kLineEnd;
  for (const PlanRecord& record : records) {
    text.append(kSkillKeyword).append(" ").append(record.key).append(" ");
    text.append(std::to_string(record.level)).append(kLineEnd);
  }
  return text;
}

bool ParsePlanText(std::string_view text, JobCode& code, std::vector<PlanRecord>& records) {
  records.clear();
  bool jobSeen = false;
  LineCutter lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return false;
    const std::string_view keyword = line.substr(0, space);
    const std::string_view rest = line.substr(space + 1);
    if (keyword == kJobKeyword) {
      if (jobSeen) return false;
      code = ReadPlanHex(rest);
      jobSeen = true;
    } else if (keyword == kSkillKeyword && jobSeen) {
      const std::size_t keyEnd = rest.find(' ');
      if (keyEnd == std::string_view::npos) return false;
      records.push_back(
          {std::string(rest.substr(0, keyEnd)), ReadPlanLevel(rest.substr(keyEnd + 1))});
    } else {
      return false;
    }
  }
  return true;
}

bool ReadPlanFile(const std::string& path, JobCode& code, std::vector<PlanRecord>& records) {
  std::string text;
  // A read error is no end of file: the plan would be cut short.
  return ReadFileBytes(path, text, kPlanFileLimit) && ParsePlanText(text, code, records);
}
