// vexacheck [FILE]: checks a game data file (by default "vexa.dat" in the
// working directory) and prints one line per finding, as editors read them,
// then a summary. Exit status 0 clean, 1 only warnings, 2 when the program
// would refuse the file or on bad usage (an unknown option, a second file).
// "/?", "-h" and "--help" print the usage and exit with 0.
#include <JapaneseText.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "vexacheck/ConsoleText.h"
#include "vexacheck/DataFileCheck.h"

namespace {

constexpr int kHelpShown = 0;
constexpr int kBadUsage = 2;

bool AsksForHelp(std::string_view argument) {
  return argument == "/?" || argument == "-h" || argument == "--help";
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

std::string FindingLine(const std::string& path, const Finding& finding) {
  std::string line = path;
  if (finding.line > 0) line += ":" + std::to_string(finding.line);
  line += finding.severity == Finding::Severity::kError ? ": error: " : ": warning: ";
  return line + ConsoleText(finding.message) + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && AsksForHelp(argv[1])) {
    Print(ConsoleText(std::string(kCheckUsage) + kCheckHelp));
    return kHelpShown;
  }
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fputs(ConsoleText(kCheckUsage).c_str(), stderr);
    return kBadUsage;
  }
  const std::string path = argc == 2 ? argv[1] : "vexa.dat";
  const CheckResult result = CheckDataFile(path);
  for (const Finding& finding : result.findings) Print(FindingLine(path, finding));
  if (result.findings.empty()) {
    Print(ConsoleText(kCheckSummaryClean));
  } else {
    Print(ConsoleText(
        FillIn(kCheckSummary, {std::to_string(result.Count(Finding::Severity::kError)),
                               std::to_string(result.Count(Finding::Severity::kWarning))})));
  }
  return result.ExitStatus();
}
