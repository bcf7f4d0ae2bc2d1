#pragma once

// Shared pieces of the plug-in tests: where the built variants are, scratch
// folders for private copies (their logs land beside them), and a plain window.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// The test program's folder, with a trailing backslash.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path);
  return program.substr(0, program.find_last_of('\\') + 1);
}

// A built plug-in variant, from its path relative to the test program's folder.
inline std::string VariantPath(std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', '\\');
  const std::string joined = ProgramFolder() + relative;
  char full[MAX_PATH] = {};
  GetFullPathNameA(joined.c_str(), MAX_PATH, full, nullptr);
  return full;
}

inline std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  return path;
}

// A fresh folder under the temporary folder, removed with its contents.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path = (std::filesystem::temp_directory_path() / ("pell-plugin-" + std::to_string(random()))).string();
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Copies a file in as VexaChar.dll and answers the copy's path.
  std::string AddPlugin(const std::string& source) const {
    const std::string copy = File("VexaChar.dll");
    std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
  }

  std::vector<std::string> ReadLines(const char* name) const {
    std::ifstream in(File(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::string File(const char* name) const { return path + "\\" + name; }

  std::string path;
};

// A hidden top-level window to stand in for the main window.
class OwnerWindow {
 public:
  OwnerWindow()
      : handle(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                               nullptr)) {}
  ~OwnerWindow() {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;

  const HWND handle;
};

inline void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}
