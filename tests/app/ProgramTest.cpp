// The real PellgrovePlanner.exe, started from a folder laid out as a user has
// it and inspected from this process through its windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <JapaneseText.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PluginLog.h"
#include "PluginTestSupport.h"
#include "data/GameDatabase.h"
#include "res/ControlIds.h"

namespace {

constexpr DWORD kPatience = 20000;  // milliseconds

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct WindowSearch {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
  if (ClassOf(child) == "Static" && !TextOf(child).empty())
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(TextOf(child));
  return TRUE;
}

class ProgramRun {
 public:
  explicit ProgramRun(const ScratchFolder& folder) {
    std::string commandLine = "\"" + folder.File("PellgrovePlanner.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.path.c_str(),
                             &startup, &process) != FALSE;
    if (started) CloseHandle(process.hThread);
  }
  ~ProgramRun() {
    if (!started) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  bool Started() const { return started; }

  // The program's visible top-level windows.
  std::vector<HWND> VisibleWindows() const {
    WindowSearch search{process.dwProcessId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND WaitForWindow(const std::function<bool(HWND)>& wanted) const {
    for (DWORD waited = 0; waited < kPatience; waited += 50) {
      for (HWND window : VisibleWindows())
        if (wanted(window)) return window;
      Sleep(50);
    }
    return nullptr;
  }

  bool HasModule(const char* name) const {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.dwProcessId);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module))
      found = lstrcmpiA(module.szModule, name) == 0;
    CloseHandle(snapshot);
    return found;
  }

  // The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD WaitForExit() const {
    WaitForSingleObject(process.hProcess, kPatience);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process{};
  bool started = false;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VariantPath(PELL_PROGRAM), folder.File("PellgrovePlanner.exe"));
    folder.AddPlugin(VariantPath(PELL_VEXACHAR_RECORDING));
  }
  void AddDataFile() const { std::filesystem::copy_file(VariantPath(PELL_SHIPPED_DATA), folder.File("vexa.dat")); }
  // The shipped data as the program reads it.
  void LoadData() {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.path.c_str());
    ASSERT_TRUE(database.load());
    SetCurrentDirectoryA(previous);
  }
  std::string TypeName(int type) const {
    std::string name;
    database.typeName(type, name);
    return name;
  }

  ScratchFolder folder;
  GameDatabase database;
};

bool IsMainWindow(HWND window) {
  return ClassOf(window) == "#32770" && TextOf(window).rfind(kMainDialogCaption, 0) == 0;
}

}  // namespace

TEST_F(ProgramTest, WithoutDataFileOneMessageBoxAndExitCodeZero) {
  ProgramRun run(folder);
  ASSERT_TRUE(run.Started());
  HWND box = run.WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("ERROR: Pellgrove+ Skill Simulator", TextOf(box));
  std::vector<std::string> texts;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
  EXPECT_EQ(std::vector<std::string>{kStartupDataFileError}, texts);
  EXPECT_EQ(std::vector<HWND>{box}, run.VisibleWindows());
  EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
  // The plug-in is loaded, but none of its entry points is called.
  EXPECT_TRUE(run.HasModule("VexaChar.dll"));

  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(0u, run.WaitForExit());
  EXPECT_FALSE(std::filesystem::exists(folder.File("VexaChar.log")));
}

TEST_F(ProgramTest, RunsWithThePluginDockedAndToldEachSelection) {
  AddDataFile();
  LoadData();
  ProgramRun run(folder);
  ASSERT_TRUE(run.Started());
  HWND main = run.WaitForWindow(IsMainWindow);
  ASSERT_NE(nullptr, main);
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", TextOf(main));
  for (int type = 0; type < 8; ++type) EXPECT_EQ(TypeName(type), TextOf(GetDlgItem(main, IDC_TYPE_FIRST + type)));
  HWND plugin = run.WaitForWindow([](HWND window) { return ClassOf(window) == "VexaCharWindow"; });
  ASSERT_NE(nullptr, plugin);
  RECT mainRect, pluginRect;
  GetWindowRect(main, &mainRect);
  GetWindowRect(plugin, &pluginRect);
  EXPECT_EQ(mainRect.left, pluginRect.right);
  EXPECT_EQ(mainRect.top, pluginRect.top);

  SendMessageA(GetDlgItem(main, IDC_TYPE_FIRST + 5), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(main, IDC_JOB_FIRST + 2), BM_CLICK, 0, 0);
  EXPECT_EQ(TypeName(5), TextOf(plugin));
  EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(main, IDC_JOB_FIRST + 2), BM_GETCHECK, 0, 0));
  EXPECT_EQ("0", TextOf(GetDlgItem(main, IDC_TOTAL_LABEL)));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, run.WaitForExit());
  const std::vector<std::string> lines = folder.ReadLines("VexaChar.log");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("VexaChar_GetWnd()", lines.front());
  const std::vector<std::string> calls = CallsBesidesGetWnd(lines);
  ASSERT_EQ(8u, calls.size());
  EXPECT_EQ("VexaChar_Initialize(" + LoggedHandle(main) + ")", calls[0]);
  EXPECT_EQ(0u, calls[1].rfind("VexaChar_Create(", 0));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(5, 0)", "VexaChar_SetRank(0, 1)", "VexaChar_SetChar(5, 0)",
                                      "VexaChar_SetRank(2, 1)", "VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.begin() + 2, calls.end()));
}
