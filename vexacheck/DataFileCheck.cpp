#include "vexacheck/DataFileCheck.h"

#include <JapaneseText.h>

#include <algorithm>
#include <memory>

#include "data/DataFileReader.h"
#include "vexacheck/CycleCheck.h"
#include "vexacheck/DuplicateKeyCheck.h"
#include "vexacheck/NameCheck.h"
#include "vexacheck/PrerequisiteCheck.h"
#include "vexacheck/ReaderFindings.h"
#include "vexacheck/SelectablePlans.h"
#include "vexacheck/SkillIndex.h"

namespace {

constexpr int kClean = 0;
constexpr int kWarnings = 1;
constexpr int kRefused = 2;

struct Tables {
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
};

bool HasError(const Findings& findings) {
  return std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
    return finding.severity == Finding::Severity::kError;
  });
}

void CheckTables(const Tables& tables, const ReaderFindings& reader, Findings& findings) {
  CheckNames(tables.typeNames, tables.jobNames, reader.TypeNameHeader(), reader.JobNameHeader(),
             findings);
  const SkillLineTable& lines = reader.SkillLines();
  const SkillIndex index(tables.skillLists, lines);
  CheckDuplicateKeys(tables.skillLists, lines, index, findings);
  CheckPrerequisites(tables.skillLists, lines, index, SelectablePlans(), findings);
  CheckCycles(tables.skillLists, lines, index, findings);
}

}  // namespace

int CheckResult::Count(Finding::Severity severity) const {
  return static_cast<int>(
      std::count_if(findings.begin(), findings.end(),
                    [severity](const Finding& finding) { return finding.severity == severity; }));
}

int CheckResult::ExitStatus() const {
  if (refused) return kRefused;
  return findings.empty() ? kClean : kWarnings;
}

CheckResult CheckDataFile(const std::string& path) {
  CheckResult result;
  // The tables are large; the stack of a Windows console program is not.
  const auto tables = std::make_unique<Tables>();
  ReaderFindings reader(result.findings);
  DataFileReader fileReader;
  fileReader.setTypeNames(tables->typeNames);
  fileReader.setJobNames(tables->jobNames);
  fileReader.setSkillLists(tables->skillLists);
  fileReader.setObserver(reader);
  const bool read = fileReader.readFile(path);
  reader.Finish();
  result.refused = !read;
  if (!read) {
    // A header that ends the read has said so; anything else is the file itself.
    if (!HasError(result.findings)) {
      result.findings.push_back(Finding{0, Finding::Severity::kError, kCheckUnreadable});
    }
  } else {
    CheckTables(*tables, reader, result.findings);
  }
  std::stable_sort(result.findings.begin(), result.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return result;
}
