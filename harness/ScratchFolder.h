#pragma once

// Scratch files for tests, fuzzers and benchmarks: a private temporary folder,
// files written byte for byte, and a working-directory switch, since
// GameDatabase::load reads "vexa.dat" from the working directory.

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
  ScratchFolder() : path(UniquePath()) { std::filesystem::create_directories(path); }
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
    const std::string file = PathOf(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  const std::filesystem::path path;

 private:
  static std::filesystem::path UniquePath() {
    std::random_device random;
    return std::filesystem::temp_directory_path() /
           ("pell-scratch-" + std::to_string(random()) + "-" + std::to_string(random()));
  }
};

// Makes a folder the working directory until it goes out of scope.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& folder)
      : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  const std::filesystem::path previous;
};

// Loads the database from the folder's "vexa.dat".
inline bool LoadDatabaseFrom(const ScratchFolder& folder, GameDatabase& database) {
  WorkingDirectory inFolder(folder.path);
  return database.load();
}
