// The real vexacheck.exe under Wine, started as a user starts it from a
// console: its output read through a pipe, its exit status from the process.
// The file name, the display-name field's label plus ".dat", holds the trail
// byte 0x5C, which a byte-wise path split would take for a folder separator.
#include <gtest/gtest.h>

#include <windows.h>

#include <JapaneseText.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/app/TestSupport.h"

namespace {

constexpr DWORD kPatience = 20000;  // milliseconds

struct ProgramRun {
  DWORD status = STILL_ACTIVE;
  std::string output;  // stdout and stderr, as the console gets them
};

class ConsoleProgramTest : public ::testing::Test {
 protected:
  ProgramRun Check(const std::string& arguments) const {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::string commandLine = "\"" + VariantPath(PELL_VEXACHECK) + "\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, folder.Folder().c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
      char buffer[4096];
      DWORD got = 0;
      while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        run.output.append(buffer, got);
      }
      WaitForSingleObject(process.hProcess, kPatience);
      GetExitCodeProcess(process.hProcess, &run.status);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return run;
  }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder.File(name), std::ios::binary) << bytes;
  }

  AppScratchFolder folder;
};

TEST_F(ConsoleProgramTest, ChecksAFileWithAJapaneseNameInShiftJis) {
  const std::string name = std::string(kCheckFieldName) + ".dat";
  Write(name, std::string("stray\r\n[") + kDataSectionAttackBasic + "]\r\nk n 1 1 - -\r\n");
  ProgramRun run = Check("\"" + name + "\"");
  EXPECT_EQ(1u, run.status);
  EXPECT_NE(std::string::npos,
            run.output.find(name + ":1: warning: " + kCheckBeforeFirstHeader + "\r\n"))
      << run.output;

  Write(name, std::string("[") + kDataSectionJobNames + "S]\r\n");
  run = Check("\"" + name + "\"");
  EXPECT_EQ(2u, run.status);
  EXPECT_NE(std::string::npos, run.output.find(name + ":1: error: " + kCheckUnknownSection))
      << run.output;

  run = Check(std::string("\"") + kDataSectionJobNames + ".dat\"");
  EXPECT_EQ(2u, run.status);
  EXPECT_NE(std::string::npos,
            run.output.find(std::string(kDataSectionJobNames) + ".dat: error: " + kCheckUnreadable))
      << run.output;
}

TEST_F(ConsoleProgramTest, ShippedDataInTheWorkingFolderChecksClean) {
  std::filesystem::copy_file(VariantPath(PELL_SHIPPED_DATA), folder.File("vexa.dat"));
  const ProgramRun run = Check("");
  EXPECT_EQ(0u, run.status);
  EXPECT_EQ(std::string(kCheckSummaryClean, sizeof kCheckSummaryClean - 2) + "\r\n", run.output);
}

TEST_F(ConsoleProgramTest, RefusesBadUsage) {
  for (const char* arguments : {"one.dat two.dat", "--help"}) {
    const ProgramRun run = Check(arguments);
    EXPECT_EQ(2u, run.status) << arguments;
    EXPECT_EQ(0u, run.output.find(std::string(kCheckUsage, sizeof kCheckUsage - 2))) << arguments;
  }
}

}  // namespace
