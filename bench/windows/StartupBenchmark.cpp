// Start-up time of the program under Wine: from the creation of its process
// (GetProcessTimes) until its main window shows the dialog background on the
// screen, against a plain dialog program started the same way in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ReferenceDialog.h"

namespace {

constexpr int kRuns = 11;
constexpr DWORD kPatience = 20000;  // milliseconds
constexpr double kGoal = 1.6;

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path);
  return program.substr(0, program.find_last_of('\\') + 1);
}

std::string BuiltFile(std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', '\\');
  char full[MAX_PATH] = {};
  GetFullPathNameA((ProgramFolder() + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

ULONGLONG Ticks(const FILETIME& time) {
  return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner != search.process || !IsWindowVisible(window) || lstrcmpA(name, "#32770") != 0)
    return TRUE;
  search.found = window;
  return FALSE;
}

// The process's visible dialog window, if it has one yet.
HWND VisibleDialogOf(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The client area's top-left corner, where both dialogs show their background.
bool ShowsBackground(HWND window) {
  POINT corner{3, 3};
  ClientToScreen(window, &corner);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, corner.x, corner.y);
  ReleaseDC(nullptr, screen);
  return pixel == kReferenceBackColor;
}

// Milliseconds from process creation to the painted window; negative on failure.
double TimeStartUp(const std::string& program, const std::string& folder) {
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process))
    return -1;
  WaitForInputIdle(process.hProcess, kPatience);
  double elapsed = -1;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kPatience) {
    HWND window = VisibleDialogOf(process.dwProcessId);
    if (window && ShowsBackground(window)) {
      FILETIME now, created, exited, kernel, user;
      GetSystemTimeAsFileTime(&now);
      GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
      elapsed = static_cast<double>(Ticks(now) - Ticks(created)) / 10000.0;
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
    Sleep(1);
  }
  if (WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  // A folder laid out as a user has it: the program, its data and the plug-in.
  std::random_device random;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pell-startup-" + std::to_string(random()));
  std::filesystem::create_directories(folder);
  const auto copy = [&folder](const char* relative, const char* name) {
    std::filesystem::copy_file(BuiltFile(relative), folder / name);
  };
  copy(PELL_PROGRAM, "PellgrovePlanner.exe");
  copy(PELL_REFERENCE, "ReferenceDialog.exe");
  copy(PELL_SHIPPED_DATA, "vexa.dat");
  copy(PELL_VEXACHAR, "VexaChar.dll");

  std::vector<double> program, reference;
  bool failed = false;
  for (int run = 0; run < kRuns && !failed; ++run) {
    // Alternating, so that both see the same conditions.
    const double own = TimeStartUp((folder / "PellgrovePlanner.exe").string(), folder.string());
    const double plain = TimeStartUp((folder / "ReferenceDialog.exe").string(), folder.string());
    failed = own < 0 || plain < 0;
    program.push_back(own);
    reference.push_back(plain);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  if (failed) {
    std::printf("startup: a window never showed its background\n");
    return 1;
  }
  const double ratio = Median(program) / Median(reference);
  std::printf("startup (median of %d runs, process creation to painted main window):\n", kRuns);
  std::printf("  PellgrovePlanner.exe  %8.1f ms\n", Median(program));
  std::printf("  plain dialog program  %8.1f ms\n", Median(reference));
  std::printf("  ratio                 %8.2f  (goal at most %.1f: %s)\n", ratio, kGoal,
              ratio <= kGoal ? "met" : "missed");
  return 0;
}
