#pragma once

// The real PellgrovePlanner.exe, started from a scratch folder laid out as a
// user has it and inspected from the test process through its windows.

#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <JapaneseText.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PluginTestSupport.h"
#include "data/GameDatabase.h"

inline constexpr DWORD kPatience = 20000;  // milliseconds

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct WindowSearch {
  DWORD process;
  std::vector<HWND> found;
};

inline BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
  if (ClassOf(child) == "Static" && !TextOf(child).empty())
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(TextOf(child));
  return TRUE;
}

// The texts of a message box's static controls (its icon has none).
inline std::vector<std::string> StaticTexts(HWND box) {
  std::vector<std::string> texts;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

class ProgramRun {
 public:
  explicit ProgramRun(const ScratchFolder& folder) {
    std::string commandLine = "\"" + folder.File("PellgrovePlanner.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.path.c_str(), &startup, &process) != FALSE;
    if (started) CloseHandle(process.hThread);
  }
  ~ProgramRun() {
    if (!started) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  bool Started() const { return started; }
  HANDLE Process() const { return process.hProcess; }

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
    for (BOOL more = Module32First(snapshot, &module); more && !found;
         more = Module32Next(snapshot, &module))
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

inline bool IsMainWindow(HWND window) {
  return ClassOf(window) == "#32770" && TextOf(window).rfind(kMainDialogCaption, 0) == 0;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VariantPath(PELL_PROGRAM), folder.File("PellgrovePlanner.exe"));
    folder.AddPlugin(VariantPath(PELL_VEXACHAR_RECORDING));
  }
  void AddDataFile() const {
    std::filesystem::copy_file(VariantPath(PELL_SHIPPED_DATA), folder.File("vexa.dat"));
  }
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
