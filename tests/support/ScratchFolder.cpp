#include "tests/support/ScratchFolder.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/GameDatabase.h"

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pell-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("ScratchFolder: mkdtemp");
    std::abort();
  }
  path = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

std::string ScratchFolder::PathOf(const char* name) const { return path + "/" + name; }

void ScratchFolder::Write(const char* name, const void* data, std::size_t size) const {
  std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) {
    std::perror("ScratchFolder: write");
    std::abort();
  }
}

std::string ScratchFolder::Read(const char* name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ScratchFolder::LoadDatabase(GameDatabase& database) const {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(path);
  const bool loaded = database.load();
  std::filesystem::current_path(previous);
  return loaded;
}
