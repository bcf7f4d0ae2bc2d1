#include "data/FileBytes.h"

#include <cstdio>

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}  // namespace

bool CanOpenFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::size_t got = 0;
  do {
    const std::size_t start = bytes.size();
    bytes.resize(start + kChunk);
    got = std::fread(&bytes[start], 1, kChunk, file);
    bytes.resize(start + got);
  } while (got == kChunk);
  const bool complete = std::ferror(file) == 0;
  std::fclose(file);
  return complete;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path.c_str());
  return written;
}
