#pragma once

// Scratch files for tests, fuzzers and benchmarks, and the database loaded from them.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "plan/GameDatabase.h"

// A fresh folder under the temporary folder, removed with its contents.
class ScratchFolder {
 public:
  ScratchFolder()
      : path(std::filesystem::temp_directory_path() /
             ("pell-scratch-" + std::to_string(std::random_device()()) + "-" +
              std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Joined as bytes: a Shift-JIS name must reach the file functions unconverted.
  std::string PathOf(const std::string& name) const { return path.string() + "/" + name; }
  // Writes the bytes unchanged (no line-end translation) and returns the file's path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(PathOf(name), std::ios::binary).write(bytes.data(), bytes.size());
    return PathOf(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  const std::filesystem::path path;
};

// One folder for the whole run, as fuzzers want it.
inline const ScratchFolder& RunScratchFolder() {
  static const ScratchFolder folder;
  return folder;
}

// Loads the database as the program does at start-up, with the folder as the
// working directory: its "vexa.dat", else the one in the fallback folder.
inline bool LoadDatabaseFrom(const ScratchFolder& folder, GameDatabase& database,
                             const std::string& fallbackFolder = std::string()) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path);
  const bool loaded = database.load(fallbackFolder);
  std::filesystem::current_path(previous);
  return loaded;
}
