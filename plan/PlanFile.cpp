#include "plan/PlanFile.h"

#include <cstdio>

#include "data/TextUtil.h"
#include "plan/PlanNumber.h"

namespace {

constexpr char kJobKeyword[] = "job";
constexpr char kSkillKeyword[] = "skill";
constexpr char kLineEnd[] = "\r\n";

std::string JobLine(JobCode code) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(code));
  return std::string(kJobKeyword) + " " + digits + kLineEnd;
}

std::string SkillLine(const PlanRecord& record) {
  return std::string(kSkillKeyword) + " " + record.key + " " + std::to_string(record.level) + kLineEnd;
}

}  // namespace

PlanFile::PlanFile(const char* path, Direction direction) { Open(path, direction); }

PlanFile::~PlanFile() { Close(); }

bool PlanFile::Open(const char* path, Direction direction) {
  if (path == nullptr) return false;
  Close();
  if (direction == Reading) {
    input.open(path, std::ios::in | std::ios::binary);
  } else if (direction == Writing) {
    output.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  }
  if (!input.is_open() && !output.is_open()) return false;
  this->direction = direction;
  return true;
}

bool PlanFile::IsOpen() const {
  if (direction == Reading) return input.is_open() && !output.is_open();
  if (direction == Writing) return output.is_open() && !input.is_open();
  return false;
}

void PlanFile::Close() {
  if (input.is_open()) input.close();
  if (output.is_open()) output.close();
  direction = Closed;
}

bool PlanFile::WritePlan(JobCode code, const std::vector<PlanRecord>& records) {
  if (direction != Writing) return false;
  const std::string jobLine = JobLine(code);
  output.write(jobLine.data(), static_cast<std::streamsize>(jobLine.size()));
  for (const PlanRecord& record : records) {
    if (!output) return false;
    const std::string line = SkillLine(record);
    output.write(line.data(), static_cast<std::streamsize>(line.size()));
  }
  output.flush();
  return static_cast<bool>(output);
}

bool PlanFile::ReadPlan(JobCode& code, std::vector<PlanRecord>& records) {
  if (direction != Reading) return false;
  records.clear();
  bool jobSeen = false;
  std::string line;
  while (ReadLine(input, line)) {
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) return false;
    const std::string keyword = line.substr(0, space);
    const std::string rest = line.substr(space + 1);
    if (keyword == kJobKeyword) {
      if (jobSeen) return false;
      code = ReadPlanHex(rest);
      jobSeen = true;
    } else if (keyword == kSkillKeyword && jobSeen) {
      const std::size_t keyEnd = rest.find(' ');
      if (keyEnd == std::string::npos) return false;
      records.push_back({rest.substr(0, keyEnd), ReadPlanLevel(rest.substr(keyEnd + 1))});
    } else {
      return false;
    }
  }
  // A read error is no end of file: the plan would be cut short.
  return !input.bad();
}
