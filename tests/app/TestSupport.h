#pragma once

// Shared pieces of the program's tests: where the built variants are, scratch folders (a plug-in
// copy logs beside itself) and window texts; the pumps and pixels of the window tests.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harness/ScratchFolder.h"
#include "harness/WindowTestSupport.h"

inline std::string TestProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}
// The test program's folder, with a trailing backslash.
inline std::string TestProgramFolder() {
  return TestProgram().substr(0, TestProgram().find_last_of('\\') + 1);
}

// A built file, from its path relative to the test program's folder.
inline std::string VariantPath(std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', '\\');
  char full[MAX_PATH] = {};
  GetFullPathNameA((TestProgramFolder() + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

inline std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

inline std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A window handle as the recording plug-in logs it.
inline std::string LoggedHandle(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

// The logged calls without the GetWnd queries, whose number depends on how often the window moved.
inline std::vector<std::string> CallsBesidesGetWnd(const std::vector<std::string>& lines) {
  std::vector<std::string> calls;
  for (const std::string& line : lines)
    if (line != "VexaChar_GetWnd()") calls.push_back(line);
  return calls;
}

// The shared scratch folder with Windows paths, into which a test copies the program and a plug-in
// (a recording plug-in logs beside itself).
class AppScratchFolder : public ScratchFolder {
 public:
  std::string Folder() const { return path.string(); }
  std::string File(const std::string& name) const { return Folder() + "\\" + name; }

  // Copies a file in as VexaChar.dll and answers the copy's path.
  std::string AddPlugin(const std::string& source) const {
    std::filesystem::copy_file(source, File("VexaChar.dll"),
                               std::filesystem::copy_options::overwrite_existing);
    return File("VexaChar.dll");
  }
  std::vector<std::string> ReadLines(const char* name) const {
    std::ifstream in(File(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};
