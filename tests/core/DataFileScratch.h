#pragma once

// Scratch files for the data file tests: a private temporary folder, files
// written byte for byte, and a working-directory switch for GameDatabase::load.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "data/GameTables.h"

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

  // Writes the bytes unchanged (no line-end translation) and returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

  const std::filesystem::path path;

 private:
  static std::filesystem::path UniquePath() {
    std::random_device random;
    return std::filesystem::temp_directory_path() /
           ("pell-data-" + std::to_string(random()) + "-" + std::to_string(random()));
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

// "[name]", a header line without its line end.
inline std::string HeaderLine(const std::string& name) { return "[" + name + "]"; }

// The lines as the shipped file holds them: each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The keys of a skill list, in list order.
inline std::vector<std::string> SkillKeys(const SkillList& list) {
  std::vector<std::string> keys;
  for (const SkillDefinition& skill : list) keys.push_back(skill.key);
  return keys;
}
