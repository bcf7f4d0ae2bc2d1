// The real vexacheck.exe under Wine, started by the command interpreter. The file
// name holds the trail byte 0x5C, which a byte-wise path split takes for a separator.
#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/app/TestSupport.h"

namespace {

// A line as the console shows it, ended by CR LF.
std::string Shown(std::string text) {
  if (text.back() == '\n') text.pop_back();
  return text + "\r\n";
}

TEST(ConsoleProgramTest, ExitStatusAndFindingsInShiftJis) {
  const ScratchFolder folder;
  std::filesystem::copy_file(VariantPath(PELL_SHIPPED_DATA), folder.PathOf("vexa.dat"));
  const std::string name = std::string(kCheckFieldName) + ".dat", quoted = "\"" + name + "\"";
  const std::string absent = std::string(kDataSectionJobNames) + ".dat";
  const struct {
    std::string bytes, arguments;
    int status;
    std::string line;
  } cases[] = {{"", "", 0, Shown(kCheckSummaryClean)},  // the shipped data as the default file
               {std::string("stray\r\n[") + kDataSectionAttackBasic + "]\r\nk n 1 1 - -\r\n",
                quoted, 1, name + ":1: warning: " + Shown(kCheckBeforeFirstHeader)},
               {std::string("[") + kDataSectionJobNames + "S]\r\n", quoted, 2,
                name + ":1: error: " + Shown(kCheckUnknownSection)},
               {"", "\"" + absent + "\"", 2, absent + ": error: " + Shown(kCheckUnreadable)},
               {"", "one.dat two.dat", 2, Shown(kCheckUsage)},
               {"", "-x", 2, Shown(kCheckUsage)},
               {"", "/?", 0, Shown(kCheckUsage)},
               {"", "-h", 0, Shown(kCheckUsage)},
               {"", "--help", 0, Shown(kCheckUsage)}};
  for (const auto& c : cases) {
    if (!c.bytes.empty()) folder.Write(name, c.bytes);
    // Run in the folder; the interpreter drops the outer quotes of its command.
    const std::string command = "\"cd /d \"" + folder.path.string() + "\" && \"" +
                                VariantPath(PELL_VEXACHECK) + "\" " + c.arguments + " 2>&1\"";
    std::FILE* pipe = _popen(command.c_str(), "rb");
    ASSERT_NE(nullptr, pipe);
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, got);
    EXPECT_EQ(c.status, _pclose(pipe)) << c.arguments;
    EXPECT_NE(std::string::npos, output.find(c.line)) << c.arguments << ": " << output;
  }
}

}  // namespace
